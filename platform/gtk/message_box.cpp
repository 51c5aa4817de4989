// Message boxes, the buttons of the game's own questions, and the browser.
#include <gio/gdesktopappinfo.h>

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

bool askQuestion(GtkWindow* parent, GtkMessageType type, const char* title, const char* text,
                 bool noByDefault)
{
    GtkWidget* question =
        gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, type, GTK_BUTTONS_NONE, "%s", text);
    gtk_window_set_title(GTK_WINDOW(question), title);
    addAnswerButton(GTK_DIALOG(question), "はい(&Y)", GTK_RESPONSE_YES);
    addAnswerButton(GTK_DIALOG(question), "いいえ(&N)", GTK_RESPONSE_NO);
    if (noByDefault)
        gtk_dialog_set_default_response(GTK_DIALOG(question), GTK_RESPONSE_NO);
    const bool yes = runDialog(GTK_DIALOG(question)) == GTK_RESPONSE_YES;
    gtk_widget_destroy(question);
    return yes;
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
    gtkbackend::runDialog(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    if (parent)
        invalidateWindow(owner, false);
}

bool askYesNo(Window* owner, const char* caption, const char* text)
{
    GtkWindow* parent = gtkbackend::isLive(owner) ? GTK_WINDOW(owner->toplevel) : nullptr;
    gchar* validCaption = g_utf8_make_valid(translate(caption ? caption : ""), -1);
    gchar* validText = g_utf8_make_valid(translate(text ? text : ""), -1);
    const bool yes =
        gtkbackend::askQuestion(parent, GTK_MESSAGE_QUESTION, validCaption, validText, true);
    g_free(validText);
    g_free(validCaption);
    if (parent)
        invalidateWindow(owner, false);
    return yes;
}

namespace {

// A program run in a terminal (the text editor GIO may find for an HTML file) shows no page,
// and none at all without a terminal: only a program with windows of its own counts.
bool showsPages(GAppInfo* program)
{
    return program && !(G_IS_DESKTOP_APP_INFO(program) &&
                         g_desktop_app_info_get_boolean(G_DESKTOP_APP_INFO(program), "Terminal"));
}

}  // namespace

bool openUrl(const char* url)
{
    if (!url)
        return false;
    GFile* file = g_file_new_for_uri(url);
    GAppInfo* program = g_file_query_default_handler(file, nullptr, nullptr);
    g_object_unref(file);
    bool opened = false;
    if (showsPages(program)) {
        GList uris{const_cast<char*>(url), nullptr, nullptr};
        opened = g_app_info_launch_uris(program, &uris, nullptr, nullptr);
    }
    if (program)
        g_object_unref(program);
    return opened;
}
