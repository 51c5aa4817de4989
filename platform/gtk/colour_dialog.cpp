// The colour dialog: GtkColorChooserDialog with the program's 16 custom colours.
#include <cmath>

#include "platform/dialogs.h"
#include "platform/gtk/colour_slots.h"
#include "platform/gtk/gtk_window.h"
#include "platform/window.h"

namespace {

GdkRGBA rgbaOf(Colour colour)
{
    return GdkRGBA{(colour & 0xFF) / 255.0, ((colour >> 8) & 0xFF) / 255.0,
                   ((colour >> 16) & 0xFF) / 255.0, 1.0};
}

Colour colourOf(const GdkRGBA& rgba)
{
    return makeColour(static_cast<int>(std::lround(rgba.red * 255)),
                      static_cast<int>(std::lround(rgba.green * 255)),
                      static_cast<int>(std::lround(rgba.blue * 255)));
}

}  // namespace

bool chooseColour(Window* owner, Colour& colour, Colour customColours[16])
{
    static int oldestSlot = 0;
    GtkWindow* parent = gtkbackend::isLive(owner) ? GTK_WINDOW(owner->toplevel) : nullptr;
    GtkWidget* dialog = gtk_color_chooser_dialog_new("色の設定", parent);
    GtkColorChooser* chooser = GTK_COLOR_CHOOSER(dialog);
    gtk_color_chooser_set_use_alpha(chooser, FALSE);
    GdkRGBA palette[16];
    for (int slot = 0; slot < 16; ++slot)
        palette[slot] = rgbaOf(customColours[slot]);
    gtk_color_chooser_add_palette(chooser, GTK_ORIENTATION_HORIZONTAL, 8, 16, palette);
    const GdkRGBA initial = rgbaOf(colour);
    gtk_color_chooser_set_rgba(chooser, &initial);

    const bool chosen = gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
    if (chosen) {
        GdkRGBA rgba;
        gtk_color_chooser_get_rgba(chooser, &rgba);
        colour = colourOf(rgba);
        keepCustomColour(customColours, colour, oldestSlot);
    }
    gtk_widget_destroy(dialog);
    if (parent)
        invalidateWindow(owner, false);
    return chosen;
}
