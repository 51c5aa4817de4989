// The save and open dialogs: GtkFileChooserDialog with the game's filters and default extension.
#include <string>

#include "platform/dialogs.h"
#include "platform/file_choice.h"
#include "platform/gtk/file_filter.h"
#include "platform/gtk/gtk_window.h"
#include "platform/language.h"
#include "platform/picture_file.h"
#include "platform/window.h"

namespace {

constexpr int thumbnailSide = 200;

// A thumbnail of the picture file, read as the game reads pictures: a pipe or a device is
// refused unopened and a picture beyond the budget before its pixels are decoded. Null for
// anything else.
GdkPixbuf* newThumbnail(const char* path)
{
    RgbImage picture;
    PictureError error;
    if (!readPictureThumbnail(path, thumbnailSide, thumbnailSide, picture, error))
        return nullptr;
    return gtkbackend::newPixbuf(picture);
}

// Shows a thumbnail of the selected picture file beside the list, or nothing for other files.
void updatePicturePreview(GtkFileChooser* chooser, GtkImage* image)
{
    gchar* name = gtk_file_chooser_get_preview_filename(chooser);
    GdkPixbuf* thumbnail = name ? newThumbnail(name) : nullptr;
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
    gchar* text = g_strdup_printf(translate("%s は既に存在します。\n上書きしますか?"), name);
    g_free(name);
    const bool replace = gtkbackend::askQuestion(parent, GTK_MESSAGE_WARNING,
                                                 translate("名前を付けて保存の確認"), text, false);
    g_free(text);
    return replace;
}

// Proposes the remembered path: its folder, when it can still be listed, as the current
// folder, and its name as the name.
void propose(GtkFileChooser* chooser, const std::string& fileName, bool saving)
{
    if (fileName.empty())
        return;
    if (const std::optional<std::string> folder = proposedFolder(fileName))
        gtk_file_chooser_set_current_folder(chooser, folder->c_str());
    if (saving) {
        const std::size_t slash = fileName.find_last_of('/');
        gchar* name = g_filename_display_name(
            fileName.substr(slash == std::string::npos ? 0 : slash + 1).c_str());
        gtk_file_chooser_set_current_name(chooser, name);
        g_free(name);
    } else if (isProposedFile(fileName)) {
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
    for (const FileFilter& filter : request.filters)
        gtk_file_chooser_add_filter(chooser, newFileFilter(filter));
    if (request.picturePreview) {
        GtkWidget* image = gtk_image_new();
        gtk_file_chooser_set_preview_widget(chooser, image);
        g_signal_connect(chooser, "update-preview", G_CALLBACK(updatePicturePreview), image);
    }
    propose(chooser, request.fileName, saving);

    std::optional<std::string> chosen;
    while (!chosen && gtkbackend::runDialog(GTK_DIALOG(dialog)) == GTK_RESPONSE_ACCEPT) {
        gchar* name = gtk_file_chooser_get_filename(chooser);
        if (!name)
            continue;
        const std::optional<std::string> path = chosenFilePath(name, request, saving);
        g_free(name);
        if (!path)
            continue;
        if (request.overwritePrompt && nameTaken(*path) &&
            !confirmReplace(GTK_WINDOW(dialog), *path))
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
