// The save and open dialogs: GtkFileChooserDialog with the game's filters and default extension.
#include <filesystem>
#include <string>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/language.h"
#include "platform/window.h"

namespace {

// Shows a thumbnail of the selected picture file beside the list, or nothing for other files.
void updatePicturePreview(GtkFileChooser* chooser, GtkImage* image)
{
    gchar* name = gtk_file_chooser_get_preview_filename(chooser);
    GdkPixbuf* thumbnail =
        name ? gdk_pixbuf_new_from_file_at_size(name, 200, 200, nullptr) : nullptr;
    g_free(name);
    gtk_image_set_from_pixbuf(image, thumbnail);
    gtk_file_chooser_set_preview_widget_active(chooser, thumbnail != nullptr);
    if (thumbnail)
        g_object_unref(thumbnail);
}

// Asks whether an existing file may be replaced, as the save dialog does before it closes.
bool confirmReplace(GtkWindow* parent, const std::string& path)
{
    gchar* name = g_filename_display_basename(path.c_str());
    GtkWidget* question =
        gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, GTK_MESSAGE_WARNING, GTK_BUTTONS_NONE,
                               translate("%s は既に存在します。\n上書きしますか?"), name);
    g_free(name);
    gtk_window_set_title(GTK_WINDOW(question), translate("名前を付けて保存の確認"));
    gtkbackend::addAnswerButton(GTK_DIALOG(question), "はい(&Y)", GTK_RESPONSE_YES);
    gtkbackend::addAnswerButton(GTK_DIALOG(question), "いいえ(&N)", GTK_RESPONSE_NO);
    const bool replace = gtk_dialog_run(GTK_DIALOG(question)) == GTK_RESPONSE_YES;
    gtk_widget_destroy(question);
    return replace;
}

// Proposes the remembered path: its folder as the current folder and its name as the name.
void propose(GtkFileChooser* chooser, const std::string& fileName, bool saving)
{
    if (fileName.empty())
        return;
    const std::filesystem::path path(fileName);
    if (path.has_parent_path() && std::filesystem::is_directory(path.parent_path()))
        gtk_file_chooser_set_current_folder(chooser, path.parent_path().c_str());
    if (saving && path.has_filename()) {
        gchar* name = g_filename_display_name(path.filename().c_str());
        gtk_file_chooser_set_current_name(chooser, name);
        g_free(name);
    } else if (!saving && std::filesystem::is_regular_file(path)) {
        gtk_file_chooser_select_filename(chooser, fileName.c_str());
    }
}

std::optional<std::string> runFileDialog(Window* owner, const FileDialogRequest& request,
                                         bool saving)
{
    GtkWindow* parent = gtkbackend::isLive(owner) ? GTK_WINDOW(owner->toplevel) : nullptr;
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        translate(request.title.c_str()), parent,
        saving ? GTK_FILE_CHOOSER_ACTION_SAVE : GTK_FILE_CHOOSER_ACTION_OPEN,
        translate("キャンセル"), GTK_RESPONSE_CANCEL,
        saving ? translate("保存") : translate("開く"), GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    for (const FileFilter& filter : request.filters) {
        GtkFileFilter* gtkFilter = gtk_file_filter_new();
        gtk_file_filter_set_name(gtkFilter, translate(filter.name.c_str()));
        // Several patterns are separated by semicolons, as in Windows filters.
        gchar** patterns = g_strsplit(filter.pattern.c_str(), ";", -1);
        for (gchar** pattern = patterns; *pattern; ++pattern)
            gtk_file_filter_add_pattern(gtkFilter, *pattern);
        g_strfreev(patterns);
        gtk_file_chooser_add_filter(chooser, gtkFilter);
    }
    if (request.picturePreview) {
        GtkWidget* image = gtk_image_new();
        gtk_file_chooser_set_preview_widget(chooser, image);
        g_signal_connect(chooser, "update-preview", G_CALLBACK(updatePicturePreview), image);
    }
    propose(chooser, request.fileName, saving);

    std::optional<std::string> chosen;
    while (!chosen && gtk_dialog_run(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        gchar* name = gtk_file_chooser_get_filename(chooser);
        if (!name)
            continue;
        std::string path = withDefaultExtension(name, request.defaultExtension);
        g_free(name);
        if (request.fileMustExist && !std::filesystem::is_regular_file(path))
            continue;
        if (request.overwritePrompt && std::filesystem::exists(path) &&
            !confirmReplace(GTK_WINDOW(dialog), path))
            continue;
        chosen = path;
    }
    gtk_widget_destroy(dialog);
    if (parent)
        invalidateWindow(owner, false);
    return chosen;
}

}  // namespace

std::optional<std::string> runSaveFileDialog(Window* owner, const FileDialogRequest& request)
{
    return runFileDialog(owner, request, true);
}

std::optional<std::string> runOpenFileDialog(Window* owner, const FileDialogRequest& request)
{
    return runFileDialog(owner, request, false);
}
