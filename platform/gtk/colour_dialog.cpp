// The colour dialog: GtkColorChooserDialog with the program's 16 custom colours.
#include <cmath>
#include <cstdint>

#include "platform/dialogs.h"
#include "platform/gtk/colour_slots.h"
#include "platform/gtk/gtk_window.h"
#include "platform/language.h"
#include "platform/window.h"

namespace {

// The basic colours of the classic colour dialog, 0xRRGGBB, eight to a row.
constexpr std::uint32_t basicColours[48] = {
    0xFF8080, 0xFFFF80, 0x80FF80, 0x00FF80, 0x80FFFF, 0x0080FF, 0xFF80C0, 0xFF80FF,
    0xFF0000, 0xFFFF00, 0x80FF00, 0x00FF40, 0x00FFFF, 0x0080C0, 0x8080C0, 0xFF00FF,
    0x804040, 0xFF8040, 0x00FF00, 0x008080, 0x004080, 0x8080FF, 0x800040, 0xFF0080,
    0x800000, 0xFF8000, 0x008000, 0x008040, 0x0000FF, 0x0000A0, 0x800080, 0x8000FF,
    0x400000, 0x804000, 0x004000, 0x004040, 0x000080, 0x000040, 0x400040, 0x400080,
    0x000000, 0x808000, 0x808040, 0x808080, 0x408080, 0xC0C0C0, 0x400040, 0xFFFFFF,
};

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
    GtkWidget* dialog = gtk_color_chooser_dialog_new(translate("色の設定"), parent);
    GtkColorChooser* chooser = GTK_COLOR_CHOOSER(dialog);
    gtk_color_chooser_set_use_alpha(chooser, FALSE);
    GdkRGBA basic[48];
    for (int index = 0; index < 48; ++index)
        basic[index] = rgbaOf(makeColour(static_cast<int>(basicColours[index] >> 16),
                                         static_cast<int>(basicColours[index] >> 8),
                                         static_cast<int>(basicColours[index])));
    gtk_color_chooser_add_palette(chooser, GTK_ORIENTATION_HORIZONTAL, 8, 48, basic);
    GdkRGBA custom[16];
    for (int slot = 0; slot < 16; ++slot)
        custom[slot] = rgbaOf(customColours[slot]);
    gtk_color_chooser_add_palette(chooser, GTK_ORIENTATION_HORIZONTAL, 8, 16, custom);
    const GdkRGBA initial = rgbaOf(colour);
    gtk_color_chooser_set_rgba(chooser, &initial);

    const bool chosen = gtkbackend::runDialog(GTK_DIALOG(dialog)) == GTK_RESPONSE_OK;
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
