// Modal and modeless dialogs from templates, and the calls their procedures make.
#include <string>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/mnemonic_text.h"
#include "platform/messages.h"
#include "platform/window.h"

namespace {

constexpr std::uintptr_t IDCANCEL = 2;
constexpr std::uintptr_t BST_CHECKED = 1;

// Control texts arrive as UTF-8; anything else is repaired rather than refused by GTK.
std::string validText(const char* text)
{
    gchar* valid = g_utf8_make_valid(text ? text : "", -1);
    std::string result = valid;
    g_free(valid);
    return result;
}

// Windows line breaks become GTK's.
std::string withoutCarriageReturns(std::string text)
{
    std::erase(text, '\r');
    return text;
}

// CB_* on a combo box; setting the choice does not tell the procedure, as in Windows.
std::intptr_t comboBoxMessage(DialogControl& control, unsigned message, std::uintptr_t wParam,
                              std::intptr_t lParam)
{
    GtkComboBoxText* combo = GTK_COMBO_BOX_TEXT(control.widget);
    g_signal_handler_block(combo, control.clickedHandler);
    std::intptr_t answer = 0;
    switch (message) {
    case CB_ADDSTRING:
        gtk_combo_box_text_append_text(combo,
                                       validText(reinterpret_cast<const char*>(lParam)).c_str());
        answer = gtk_tree_model_iter_n_children(gtk_combo_box_get_model(GTK_COMBO_BOX(combo)),
                                                nullptr) - 1;
        break;
    case CB_RESETCONTENT:
        gtk_combo_box_text_remove_all(combo);
        break;
    case CB_SETCURSEL:
        gtk_combo_box_set_active(GTK_COMBO_BOX(combo), static_cast<gint>(wParam));
        answer = gtk_combo_box_get_active(GTK_COMBO_BOX(combo));
        break;
    case CB_GETCURSEL:
        answer = gtk_combo_box_get_active(GTK_COMBO_BOX(combo));
        break;
    default:
        break;
    }
    g_signal_handler_unblock(combo, control.clickedHandler);
    return answer;
}

// BM_SETCHECK: sets or clears the mark without telling the procedure, as the control does.
void setButtonCheck(DialogControl& control, bool checked)
{
    GtkToggleButton* button = GTK_TOGGLE_BUTTON(control.widget);
    g_signal_handler_block(button, control.clickedHandler);
    if (checked)
        gtk_toggle_button_set_active(button, TRUE);
    else if (control.groupHolder && gtk_toggle_button_get_active(button))
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(control.groupHolder), TRUE);
    else if (!control.groupHolder)
        gtk_toggle_button_set_active(button, FALSE);
    g_signal_handler_unblock(button, control.clickedHandler);
}

// Shows a progress bar's new state at once: the dialog is drawn while the caller keeps
// working; whatever else arrives meanwhile only waits in the queue.
void showProgress(DialogControl& control)
{
    gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(control.widget),
                                  progressFraction(control.progress));
    gtkbackend::runPendingIterations();
}

}  // namespace

namespace gtkbackend {

DialogControl* findControl(Window* dialog, int controlId)
{
    if (!isLive(dialog))
        return nullptr;
    const auto found = dialog->controls.find(controlId);
    return found == dialog->controls.end() ? nullptr : &found->second;
}

std::intptr_t defDialogProc(Window* dialog, unsigned message, std::uintptr_t, std::intptr_t)
{
    switch (message) {
    case WM_CLOSE:
        postMessage(dialog, WM_COMMAND, IDCANCEL, 0);
        return 0;
    case WM_SETCURSOR:
        wantArrowCursor(dialog);
        return 1;
    default:
        return 0;
    }
}

gboolean handleDialogKey(Window* dialog, GdkEventKey* event)
{
    switch (event->keyval) {
    case GDK_KEY_Escape:
        // IDCANCEL goes to the procedure; only the procedure may close the dialog.
        postMessage(dialog, WM_COMMAND, IDCANCEL, 0);
        return TRUE;
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter: {
        GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(dialog->toplevel));
        if (focus && GTK_IS_TEXT_VIEW(focus))
            return TRUE;  // the multi-line edit keeps Enter
        if (focus && GTK_IS_BUTTON(focus) && !GTK_IS_TOGGLE_BUTTON(focus))
            return FALSE;  // a focused push button is pressed by GTK itself
        gtk_window_activate_default(GTK_WINDOW(dialog->toplevel));
        return TRUE;
    }
    default:
        return FALSE;
    }
}

}  // namespace gtkbackend

using gtkbackend::findControl;
using gtkbackend::isLive;

std::intptr_t runModalDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param)
{
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (!dialogTemplate)
        return -1;
    Window* dialog = gtkbackend::buildDialog(*dialogTemplate, owner, proc);
    gtk_window_set_modal(GTK_WINDOW(dialog->toplevel), TRUE);
    dialog->modalRunning = true;
    gtkbackend::callProcedure(dialog, WM_INITDIALOG, 0, param);
    const auto running = [dialog] {
        return isLive(dialog) && !dialog->ended && !gtkbackend::quitRequested();
    };
    if (running()) {
        showWindow(dialog);
        // The dialog takes the keyboard even where it went to the owner before (a dialog that
        // just ended presents its owner), so its focused control answers the keys at once.
        gtk_window_present(GTK_WINDOW(dialog->toplevel));
    }
    // The nested loop serves dialogs and paints; input for the owner waits in the queue. A
    // quit request ends it as the dialog's cancel would.
    while (running())
        if (!gtkbackend::dispatchModalStep())
            gtkbackend::waitForEventUnlessQuitting();
    const std::intptr_t result =
        isLive(dialog) && !dialog->ended ? static_cast<std::intptr_t>(IDCANCEL) : dialog->result;
    destroyWindow(dialog);
    if (isLive(owner)) {
        // As Windows repaints what the dialog covered.
        invalidateWindow(owner, false);
        gtk_window_present(GTK_WINDOW(owner->toplevel));
    }
    return result;
}

Window* createModelessDialog(int templateId, Window* owner, DialogProc proc, std::intptr_t param)
{
    const DialogTemplate* dialogTemplate = findDialogTemplate(templateId);
    if (!dialogTemplate)
        return nullptr;
    Window* dialog = gtkbackend::buildDialog(*dialogTemplate, owner, proc);
    gtkbackend::callProcedure(dialog, WM_INITDIALOG, 0, param);
    if (isLive(dialog) && dialogTemplate->visible)
        showWindow(dialog);
    return isLive(dialog) ? dialog : nullptr;
}

void endDialog(Window* dialog, std::intptr_t result)
{
    if (!isLive(dialog) || !dialog->isDialog || dialog->ended)
        return;
    dialog->ended = true;
    dialog->result = result;
    // A modeless dialog is only hidden; the modal loop destroys its dialog itself.
    if (!dialog->modalRunning)
        gtk_widget_hide(dialog->toplevel);
}

void setDlgItemText(Window* dialog, int controlId, const char* text)
{
    DialogControl* control = findControl(dialog, controlId);
    if (!control)
        return;
    const std::string utf8 = validText(text);
    GtkWidget* widget = control->widget;
    if (GTK_IS_LABEL(widget))
        gtk_label_set_text_with_mnemonic(GTK_LABEL(widget), toGtkMnemonic(utf8.c_str()).c_str());
    else if (GTK_IS_BUTTON(widget))
        gtk_button_set_label(GTK_BUTTON(widget), toGtkMnemonic(utf8.c_str()).c_str());
    else if (GTK_IS_TEXT_VIEW(widget))
        gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(widget)),
                                 withoutCarriageReturns(utf8).c_str(), -1);
    else if (GTK_IS_ENTRY(widget))
        gtk_entry_set_text(GTK_ENTRY(widget), utf8.c_str());
    else if (GTK_IS_FRAME(widget))
        gtk_label_set_text_with_mnemonic(
            GTK_LABEL(gtk_frame_get_label_widget(GTK_FRAME(widget))),
            toGtkMnemonic(utf8.c_str()).c_str());
}

std::string getDlgItemText(Window* dialog, int controlId)
{
    DialogControl* control = findControl(dialog, controlId);
    if (!control)
        return {};
    if (GTK_IS_ENTRY(control->widget))
        return gtk_entry_get_text(GTK_ENTRY(control->widget));
    if (GTK_IS_LABEL(control->widget))
        return gtk_label_get_text(GTK_LABEL(control->widget));
    return {};
}

void enableDlgItem(Window* dialog, int controlId, bool enabled)
{
    if (DialogControl* control = findControl(dialog, controlId))
        gtk_widget_set_sensitive(control->widget, enabled);
}

Rect dialogItemRect(Window* dialog, int controlId)
{
    const DialogControl* control = findControl(dialog, controlId);
    return control ? control->rect : Rect{};
}

std::intptr_t sendDlgItemMessage(Window* dialog, int controlId, unsigned message,
                                 std::uintptr_t wParam, std::intptr_t lParam)
{
    DialogControl* control = findControl(dialog, controlId);
    if (!control)
        return 0;
    if (GTK_IS_COMBO_BOX_TEXT(control->widget))
        return comboBoxMessage(*control, message, wParam, lParam);
    if (control->kind == ControlKind::progressBar) {
        const std::intptr_t answer =
            applyProgressMessage(control->progress, message, wParam, lParam);
        if (message != PBM_GETPOS)
            showProgress(*control);
        return answer;
    }
    if (!GTK_IS_TOGGLE_BUTTON(control->widget))
        return 0;
    switch (message) {
    case BM_SETCHECK:
        setButtonCheck(*control, wParam == BST_CHECKED);
        return 0;
    case BM_GETCHECK:
        return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(control->widget)) ? 1 : 0;
    default:
        return 0;
    }
}
