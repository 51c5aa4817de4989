// Message boxes, the buttons of the game's own questions, and the browser.
#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/gtk/mnemonic_text.h"
#include "platform/language.h"
#include "platform/window.h"

namespace gtkbackend {

void addAnswerButton(GtkDialog* dialog, const char* text, int response)
{
    gtk_dialog_add_button(dialog, toGtkMnemonic(translate(text)).c_str(), response);
}

}  // namespace gtkbackend

void messageBox(Window* owner, const char* text)
{
    GtkWindow* parent = gtkbackend::isLive(owner) ? GTK_WINDOW(owner->toplevel) : nullptr;
    gchar* valid = g_utf8_make_valid(translate(text ? text : ""), -1);
    GtkWidget* box = gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                                            GTK_BUTTONS_NONE, "%s", valid);
    g_free(valid);
    gtk_window_set_title(GTK_WINDOW(box), translate("エラー"));
    gtkbackend::addAnswerButton(GTK_DIALOG(box), "OK", GTK_RESPONSE_OK);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    if (parent)
        invalidateWindow(owner, false);
}

void openUrl(const char* url)
{
    if (url)
        g_app_info_launch_default_for_uri(url, nullptr, nullptr);
}
