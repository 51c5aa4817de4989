// Builds GTK dialogs from dialog templates: controls on a GtkFixed at dialog-unit positions.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/mnemonic_text.h"
#include "platform/language.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace {

constexpr const char* controlIdKey = "velmora-control";

// Pixels per dialog unit, from the dialog font as Windows measures it: a quarter of the
// average width of the letters A-Z and a-z, an eighth of the character height.
struct DialogUnits {
    int charWidth = 6;
    int charHeight = 12;
    int x(int units) const { return (units * charWidth + 2) / 4; }
    int y(int units) const { return (units * charHeight + 4) / 8; }
};

DialogUnits measureDialogUnits(GtkWidget* widget, const char* families, int points)
{
    PangoContext* context = gtk_widget_create_pango_context(widget);
    PangoLayout* layout = pango_layout_new(context);
    const std::string font = std::string(families) + " " + std::to_string(points);
    PangoFontDescription* description = pango_font_description_from_string(font.c_str());
    pango_layout_set_font_description(layout, description);
    pango_layout_set_text(layout, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", -1);
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    pango_font_description_free(description);
    g_object_unref(layout);
    g_object_unref(context);
    DialogUnits units;
    if (width > 0 && height > 0) {
        units.charWidth = (width / 26 + 1) / 2;
        units.charHeight = height;
    }
    return units;
}

// Buttons of every kind tell the dialog procedure they were clicked; a radio button only
// when it is the one set afterwards (GTK also "clicks" the one it clears).
void buttonClicked(GtkButton* button, Window* dialog)
{
    if (GTK_IS_RADIO_BUTTON(button) && !gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(button)))
        return;
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(button), controlIdKey));
    postMessage(dialog, WM_COMMAND, static_cast<std::uintptr_t>(id) & 0xFFFFu, 0);
}

// A choice in a combo box tells the procedure, with CBN_SELCHANGE in the high word.
void comboChanged(GtkComboBox* combo, Window* dialog)
{
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(combo), controlIdKey));
    const std::uintptr_t wParam =
        (static_cast<std::uintptr_t>(id) & 0xFFFFu) | (std::uintptr_t{CBN_SELCHANGE} << 16);
    postMessage(dialog, WM_COMMAND, wParam, 0);
}

// A change of an edit box's text tells the procedure, with EN_CHANGE in the high word.
void entryChanged(GtkEditable* entry, Window* dialog)
{
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(entry), controlIdKey));
    const std::uintptr_t wParam =
        (static_cast<std::uintptr_t>(id) & 0xFFFFu) | (std::uintptr_t{EN_CHANGE} << 16);
    postMessage(dialog, WM_COMMAND, wParam, 0);
}

void applyCss(GtkWidget* widget, const std::string& css)
{
    GtkCssProvider* provider = gtk_css_provider_new();
    gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
    gtk_style_context_add_provider(gtk_widget_get_style_context(widget),
                                   GTK_STYLE_PROVIDER(provider),
                                   GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
    g_object_unref(provider);
}

// Font properties are inherited, so every control of the window takes the window's font.
// The families are a comma-separated list of names, which CSS takes as they are.
void applyFont(GtkWidget* widget, const char* families, int points)
{
    applyCss(widget, std::string("* { font-family: ") + families +
                         "; font-size: " + std::to_string(points) + "pt; }");
}

// The control's text in the player's language, its mnemonic in GTK's form.
std::string labelText(const ControlTemplate& control)
{
    return toGtkMnemonic(translate(control.text));
}

// A static text: one line from the control's left edge, centred in its height.
GtkWidget* makeLabel(const ControlTemplate& control)
{
    GtkWidget* label = gtk_label_new_with_mnemonic(labelText(control).c_str());
    gtk_label_set_xalign(GTK_LABEL(label), 0.0f);
    gtk_label_set_yalign(GTK_LABEL(label), 0.5f);
    return label;
}

// Windows buttons fill exactly their rectangle: no theme padding or minimum.
void fitButtonToRectangle(GtkWidget* button)
{
    applyCss(button, "button { padding: 0 4px; min-height: 0; min-width: 0; }");
}

// Several lines, read-only, no word wrap; it scrolls sideways with the selection but shows no
// scroll bars. A text view keeps Enter, as a Windows edit box with ES_WANTRETURN does.
GtkWidget* makeReadOnlyEdit()
{
    GtkWidget* view = gtk_text_view_new();
    gtk_text_view_set_editable(GTK_TEXT_VIEW(view), FALSE);
    gtk_text_view_set_cursor_visible(GTK_TEXT_VIEW(view), FALSE);
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_NONE);
    return view;
}

GtkWidget* makeProgressBar(int height)
{
    GtkWidget* bar = gtk_progress_bar_new();
    const std::string size = std::to_string(height > 6 ? height - 6 : height);
    applyCss(bar, "progressbar trough, progressbar progress { min-height: " + size + "px; }");
    return bar;
}

// Puts one control on the dialog; controls with an id are recorded for the dialog calls.
class ControlPlacer {
public:
    ControlPlacer(Window* dialog, GtkFixed* fixed, DialogUnits units)
        : dialog_(dialog), fixed_(fixed), units_(units)
    {
    }

    void place(const ControlTemplate& control)
    {
        if (control.groupStart)
            radioHolder_ = nullptr;
        DialogControl record;
        record.kind = control.kind;
        GtkWidget* widget = nullptr;  // what the dialog calls address
        GtkWidget* placed = nullptr;  // what sits on the dialog
        const int width = units_.x(control.width);
        const int height = units_.y(control.height);
        const int left = units_.x(control.x);
        const int top = units_.y(control.y);
        record.rect = {left, top, left + width, top + height};
        switch (control.kind) {
        case ControlKind::pushButton:
        case ControlKind::defaultPushButton:
            widget = gtk_button_new_with_mnemonic(labelText(control).c_str());
            fitButtonToRectangle(widget);
            if (control.kind == ControlKind::defaultPushButton) {
                gtk_widget_set_can_default(widget, TRUE);
                // With two default buttons the first one in the template is the real default.
                if (!defaultButton_)
                    defaultButton_ = widget;
            }
            break;
        case ControlKind::staticText:
            widget = makeLabel(control);
            break;
        case ControlKind::icon:
            if (GdkPixbuf* image = gtkbackend::loadIconAtSize(control.resourceId, width, height)) {
                widget = gtk_image_new_from_pixbuf(image);
                g_object_unref(image);
            }
            break;
        case ControlKind::picture:
            // The procedure paints this part of the dialog's client surface.
            if (control.id != -1)
                dialog_->controls[control.id] = record;
            return;
        case ControlKind::edit:
            widget = gtk_entry_new();
            g_object_set_data(G_OBJECT(widget), controlIdKey, GINT_TO_POINTER(control.id));
            g_signal_connect(widget, "changed", G_CALLBACK(entryChanged), dialog_);
            break;
        case ControlKind::comboBox:
            widget = gtk_combo_box_text_new();
            g_object_set_data(G_OBJECT(widget), controlIdKey, GINT_TO_POINTER(control.id));
            record.clickedHandler =
                g_signal_connect(widget, "changed", G_CALLBACK(comboChanged), dialog_);
            break;
        case ControlKind::thumbnailGrid:
            widget = gtkbackend::makeThumbnailGrid(dialog_, control.id, record.clickedHandler);
            placed = gtk_scrolled_window_new(nullptr, nullptr);
            gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(placed), GTK_SHADOW_IN);
            gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(placed), GTK_POLICY_NEVER,
                                           GTK_POLICY_AUTOMATIC);
            gtk_container_add(GTK_CONTAINER(placed), widget);
            break;
        case ControlKind::readOnlyEdit:
            widget = makeReadOnlyEdit();
            placed = gtk_scrolled_window_new(nullptr, nullptr);
            gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(placed), GTK_SHADOW_IN);
            gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(placed), GTK_POLICY_EXTERNAL,
                                           GTK_POLICY_EXTERNAL);
            gtk_container_add(GTK_CONTAINER(placed), widget);
            break;
        case ControlKind::progressBar:
            widget = makeProgressBar(height);
            break;
        case ControlKind::radioButton:
        case ControlKind::autoRadioButton:
            // A hidden member holds the group's "nothing set" state, as Windows allows.
            if (!radioHolder_) {
                radioHolder_ = gtk_radio_button_new(nullptr);
                g_object_ref_sink(radioHolder_);
                g_signal_connect_swapped(dialog_->toplevel, "destroy",
                                         G_CALLBACK(g_object_unref), radioHolder_);
            }
            widget = gtk_radio_button_new_with_mnemonic_from_widget(
                GTK_RADIO_BUTTON(radioHolder_), labelText(control).c_str());
            record.groupHolder = radioHolder_;
            if (control.pushLike) {
                // Drawn as a push button that stays pressed while it is the one set.
                gtk_toggle_button_set_mode(GTK_TOGGLE_BUTTON(widget), FALSE);
                fitButtonToRectangle(widget);
            }
            break;
        case ControlKind::checkBox:
            widget = gtk_check_button_new_with_mnemonic(labelText(control).c_str());
            break;
        case ControlKind::groupBox:
            widget = gtk_frame_new(nullptr);
            gtk_frame_set_label_widget(
                GTK_FRAME(widget),
                gtk_label_new_with_mnemonic(labelText(control).c_str()));
            break;
        }
        if (!widget)
            return;
        if (!placed)
            placed = widget;
        if (GTK_IS_BUTTON(widget)) {
            g_object_set_data(G_OBJECT(widget), controlIdKey, GINT_TO_POINTER(control.id));
            record.clickedHandler =
                g_signal_connect(widget, "clicked", G_CALLBACK(buttonClicked), dialog_);
        }
        gtk_widget_set_size_request(placed, width, height);
        gtk_fixed_put(fixed_, placed, left, top);
        gtk_widget_show_all(placed);
        if (!firstFocus_ && gtk_widget_get_can_focus(widget))
            firstFocus_ = widget;
        record.widget = widget;
        if (control.id != -1)
            dialog_->controls[control.id] = record;
    }

    GtkWidget* defaultButton() const { return defaultButton_; }
    GtkWidget* firstFocus() const { return firstFocus_; }

private:
    Window* dialog_;
    GtkFixed* fixed_;
    DialogUnits units_;
    GtkWidget* radioHolder_ = nullptr;
    GtkWidget* defaultButton_ = nullptr;
    GtkWidget* firstFocus_ = nullptr;
};

// The template's frame told to the window manager: a dialog moves; it has a close box only
// with a system menu and can be resized only without a modal frame; no dialog template has
// minimise or maximise boxes. GTK writes hints of its own as the window is realised, so these
// are written after them.
void applyFrameStyle(GtkWidget* toplevel, const DialogTemplate* dialogTemplate)
{
    int functions = GDK_FUNC_MOVE;
    int decorations = GDK_DECOR_BORDER | GDK_DECOR_TITLE;
    if (dialogTemplate->systemMenu) {
        functions |= GDK_FUNC_CLOSE;
        decorations |= GDK_DECOR_MENU;
    }
    if (!dialogTemplate->modalFrame) {
        functions |= GDK_FUNC_RESIZE;
        decorations |= GDK_DECOR_RESIZEH;
    }
    GdkWindow* window = gtk_widget_get_window(toplevel);
    gdk_window_set_functions(window, static_cast<GdkWMFunction>(functions));
    if (dialogTemplate->hasCaption)
        gdk_window_set_decorations(window, static_cast<GdkWMDecoration>(decorations));
}

// A dialog the player resizes, as its controls follow it.
struct ResizableLayout {
    Window* dialog;
    const DialogTemplate* dialogTemplate;
    DialogUnits units;
};

// The widget the fixed holds for a control: the control itself or the scrolled window round it.
GtkWidget* childOfFixed(GtkWidget* fixed, GtkWidget* widget)
{
    while (widget && gtk_widget_get_parent(widget) != fixed)
        widget = gtk_widget_get_parent(widget);
    return widget;
}

// After the fixed has placed its children as the template does, the anchored ones are placed
// again for the client area's size: stretched or kept at the same distance from the bottom
// right. The fixed asks for the template's size only, so the player can make the dialog
// smaller again down to that.
void followClientSize(GtkWidget* fixed, GdkRectangle* allocation, ResizableLayout* layout)
{
    const DialogUnits& units = layout->units;
    const int grownWidth = std::max(0, allocation->width - units.x(layout->dialogTemplate->width));
    const int grownHeight =
        std::max(0, allocation->height - units.y(layout->dialogTemplate->height));
    for (const ControlTemplate& control : layout->dialogTemplate->controls) {
        DialogControl* record = gtkbackend::findControl(layout->dialog, control.id);
        GtkWidget* child = record ? childOfFixed(fixed, record->widget) : nullptr;
        if (control.anchor == ControlAnchor::topLeft || !child)
            continue;
        const int left = units.x(control.x);
        const int top = units.y(control.y);
        const Rect placed = anchoredRect(
            Rect{left, top, left + units.x(control.width), top + units.y(control.height)},
            control.anchor, grownWidth, grownHeight);
        record->rect = placed;
        GtkAllocation childAllocation{allocation->x + placed.left, allocation->y + placed.top,
                                      placed.right - placed.left, placed.bottom - placed.top};
        gtk_widget_size_allocate(child, &childAllocation);
    }
}

}  // namespace

namespace gtkbackend {

const char* fontFamiliesFor(const char* faceName)
{
    if (!faceName || !*faceName || std::strcmp(faceName, "ＭＳ Ｐゴシック") == 0)
        return "IPAPGothic, Noto Sans CJK JP";
    return faceName;
}

Window* buildDialog(const DialogTemplate& dialogTemplate, Window* owner, DialogProc proc)
{
    Window* dialog = newWindowRecord();
    dialog->isDialog = true;
    dialog->proc = proc;
    dialog->owner = isLive(owner) ? owner : nullptr;
    dialog->backgroundFill = makeColour(0xF0, 0xF0, 0xF0);

    GtkWidget* toplevel = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    dialog->toplevel = toplevel;
    GtkWindow* window = GTK_WINDOW(toplevel);
    gtk_window_set_type_hint(window, GDK_WINDOW_TYPE_HINT_DIALOG);
    gtk_window_set_title(window, translate(dialogTemplate.caption));
    gtk_window_set_decorated(window, dialogTemplate.hasCaption);
    gtk_window_set_skip_taskbar_hint(window, TRUE);
    if (dialog->owner)
        gtk_window_set_transient_for(window, GTK_WINDOW(dialog->owner->toplevel));
    if (dialogTemplate.systemModal)
        gtk_window_set_keep_above(window, TRUE);
    if (dialogTemplate.centred)
        gtk_window_set_position(window, dialog->owner ? GTK_WIN_POS_CENTER_ON_PARENT
                                                      : GTK_WIN_POS_CENTER);

    const char* families = fontFamiliesFor(dialogTemplate.fontName);
    applyFont(toplevel, families, dialogTemplate.pointSize);
    const DialogUnits units = measureDialogUnits(toplevel, families, dialogTemplate.pointSize);

    GtkWidget* fixed = gtk_fixed_new();
    gtk_container_add(GTK_CONTAINER(toplevel), fixed);
    gtk_widget_show(fixed);
    ControlPlacer placer(dialog, GTK_FIXED(fixed), units);
    for (const ControlTemplate& control : dialogTemplate.controls)
        placer.place(control);
    if (GtkWidget* button = placer.defaultButton())
        gtk_window_set_default(window, button);
    if (GtkWidget* widget = placer.firstFocus())
        gtk_window_set_focus(window, widget);

    gtk_window_set_deletable(window, dialogTemplate.systemMenu);
    g_signal_connect_after(toplevel, "realize", G_CALLBACK(applyFrameStyle),
                           const_cast<DialogTemplate*>(&dialogTemplate));
    // A window the player cannot resize is as large as its content asks; one the player
    // resizes is never smaller than that.
    gtk_widget_set_size_request(fixed, units.x(dialogTemplate.width),
                                units.y(dialogTemplate.height));
    if (dialogTemplate.modalFrame) {
        gtk_window_set_resizable(window, FALSE);
    } else {
        g_signal_connect_data(fixed, "size-allocate", G_CALLBACK(followClientSize),
                              new ResizableLayout{dialog, &dialogTemplate, units},
                              [](gpointer layout, GClosure*) {
                                  delete static_cast<ResizableLayout*>(layout);
                              },
                              G_CONNECT_AFTER);
    }
    attachClientSurface(dialog, fixed);
    connectToplevelEvents(dialog);
    return dialog;
}

}  // namespace gtkbackend
