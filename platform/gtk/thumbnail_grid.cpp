// Thumbnail grids of GTK dialogs: an icon view of pictures with captions, one selected at a
// time, that tells the dialog procedure of the player's selections, activations and Delete.
#include <gdk/gdkkeysyms.h>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/thumbnail_grid_picture.h"

namespace {

constexpr const char* controlIdKey = "velmora-control";
// The selected item as the dialog last knew it, plus one (0 for none).
constexpr const char* knownSelectionKey = "velmora-known-selection";

enum Column { pictureColumn, captionColumn };

void notify(GtkWidget* view, Window* dialog, unsigned code)
{
    const int id = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(view), controlIdKey));
    postMessage(dialog, WM_COMMAND,
                (static_cast<std::uintptr_t>(id) & 0xFFFFu) | (std::uintptr_t{code} << 16), 0);
}

int selectedItem(GtkIconView* view)
{
    GList* selected = gtk_icon_view_get_selected_items(view);
    const int index =
        selected ? gtk_tree_path_get_indices(static_cast<GtkTreePath*>(selected->data))[0] : -1;
    g_list_free_full(selected, reinterpret_cast<GDestroyNotify>(gtk_tree_path_free));
    return index;
}

// Whether the selection differs from the one the dialog last knew, which it becomes.
bool selectionMoved(GtkIconView* view)
{
    const int selected = selectedItem(view);
    const int known = GPOINTER_TO_INT(g_object_get_data(G_OBJECT(view), knownSelectionKey)) - 1;
    g_object_set_data(G_OBJECT(view), knownSelectionKey, GINT_TO_POINTER(selected + 1));
    return selected != known;
}

// The view tells of every click on an item, even the selected one; the dialog hears only of
// a change, as from a list view.
void selectionChanged(GtkIconView* view, Window* dialog)
{
    if (selectionMoved(view))
        notify(GTK_WIDGET(view), dialog, TGN_SELCHANGE);
}

void itemActivated(GtkIconView* view, GtkTreePath*, Window* dialog)
{
    notify(GTK_WIDGET(view), dialog, TGN_ACTIVATE);
}

// Moves the cursor and the selection from the item under the cursor to the one `step` away
// when that one lies on another row; false when there is none or it lies on the same row,
// where the view moves itself.
bool stepAcrossRows(GtkIconView* view, int step)
{
    GtkTreePath* cursor = nullptr;
    if (!gtk_icon_view_get_cursor(view, &cursor, nullptr))
        return false;
    const int next = gtk_tree_path_get_indices(cursor)[0] + step;
    const int count = gtk_tree_model_iter_n_children(gtk_icon_view_get_model(view), nullptr);
    bool stepped = false;
    if (next >= 0 && next < count) {
        GtkTreePath* target = gtk_tree_path_new_from_indices(next, -1);
        if (gtk_icon_view_get_item_row(view, target) != gtk_icon_view_get_item_row(view, cursor)) {
            gtk_icon_view_set_cursor(view, target, nullptr, FALSE);
            gtk_icon_view_select_path(view, target);
            gtk_icon_view_scroll_to_path(view, target, FALSE, 0.0f, 0.0f);
            stepped = true;
        }
        gtk_tree_path_free(target);
    }
    gtk_tree_path_free(cursor);
    return stepped;
}

// Delete is told to the dialog. Right on the last item of a row goes on to the first of the
// next row and Left on the first item of a row back to the last of the row before, as the
// items read in one line; the view would stop at the row's end.
gboolean keyPressed(GtkWidget* view, GdkEventKey* event, Window* dialog)
{
    const bool modified = event->state & (GDK_SHIFT_MASK | GDK_CONTROL_MASK | GDK_MOD1_MASK);
    switch (event->keyval) {
    case GDK_KEY_Delete:
    case GDK_KEY_KP_Delete:
        notify(view, dialog, TGN_DELETE);
        return TRUE;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right:
        return !modified && stepAcrossRows(GTK_ICON_VIEW(view), 1);
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left:
        return !modified && stepAcrossRows(GTK_ICON_VIEW(view), -1);
    default:
        return FALSE;
    }
}

// The grid's control record, or null when the dialog has no grid of that id.
DialogControl* findGrid(Window* dialog, int controlId)
{
    DialogControl* control = gtkbackend::findControl(dialog, controlId);
    return control && control->kind == ControlKind::thumbnailGrid ? control : nullptr;
}

// Runs `change` with the selection handler blocked: the program's own changes are not told,
// and the selection they leave is the one the dialog knows.
template <class Change>
void changeQuietly(DialogControl& grid, Change&& change)
{
    GtkIconView* view = GTK_ICON_VIEW(grid.widget);
    g_signal_handler_block(view, grid.clickedHandler);
    change(view);
    g_signal_handler_unblock(view, grid.clickedHandler);
    selectionMoved(view);
}

}  // namespace

namespace gtkbackend {

GtkWidget* makeThumbnailGrid(Window* dialog, int controlId, gulong& selectionHandler)
{
    GtkListStore* items = gtk_list_store_new(2, GDK_TYPE_PIXBUF, G_TYPE_STRING);
    GtkWidget* widget = gtk_icon_view_new_with_model(GTK_TREE_MODEL(items));
    g_object_unref(items);
    GtkIconView* view = GTK_ICON_VIEW(widget);
    gtk_icon_view_set_pixbuf_column(view, pictureColumn);
    // Captions below their pictures, centred and wrapped to the picture's width.
    gtk_icon_view_set_text_column(view, captionColumn);
    gtk_icon_view_set_item_orientation(view, GTK_ORIENTATION_VERTICAL);
    // Below the picture's width the item width is only a floor: every item takes its picture's
    // width and the caption wraps to it. At the picture's width the view lays out fewer, wider
    // items, with room to spare beside each picture.
    gtk_icon_view_set_item_width(view, thumbnailGridPictureWidth / 2);
    gtk_icon_view_set_selection_mode(view, GTK_SELECTION_SINGLE);
    g_object_set_data(G_OBJECT(widget), controlIdKey, GINT_TO_POINTER(controlId));
    selectionHandler =
        g_signal_connect(widget, "selection-changed", G_CALLBACK(selectionChanged), dialog);
    g_signal_connect(widget, "item-activated", G_CALLBACK(itemActivated), dialog);
    g_signal_connect(widget, "key-press-event", G_CALLBACK(keyPressed), dialog);
    return widget;
}

}  // namespace gtkbackend

void setThumbnailGridItems(Window* dialog, int controlId, std::span<const ThumbnailGridItem> items)
{
    DialogControl* grid = findGrid(dialog, controlId);
    if (!grid)
        return;
    changeQuietly(*grid, [items](GtkIconView* view) {
        GtkListStore* store = GTK_LIST_STORE(gtk_icon_view_get_model(view));
        gtk_list_store_clear(store);
        for (const ThumbnailGridItem& item : items) {
            GdkPixbuf* picture = gtkbackend::newPixbuf(thumbnailGridPicture(item.picture));
            gchar* caption = g_utf8_make_valid(item.caption.c_str(), -1);
            gtk_list_store_insert_with_values(store, nullptr, -1, pictureColumn, picture,
                                              captionColumn, caption, -1);
            g_free(caption);
            if (picture)
                g_object_unref(picture);
        }
        gtk_icon_view_unselect_all(view);
    });
}

int thumbnailGridSelection(Window* dialog, int controlId)
{
    DialogControl* grid = findGrid(dialog, controlId);
    return grid ? selectedItem(GTK_ICON_VIEW(grid->widget)) : -1;
}

void selectThumbnailGridItem(Window* dialog, int controlId, int index)
{
    DialogControl* grid = findGrid(dialog, controlId);
    if (!grid)
        return;
    changeQuietly(*grid, [index](GtkIconView* view) {
        gtk_icon_view_unselect_all(view);
        const int count = gtk_tree_model_iter_n_children(gtk_icon_view_get_model(view), nullptr);
        if (index < 0 || index >= count)
            return;
        GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
        // The keyboard goes on from the chosen item; the view scrolls to it once laid out.
        gtk_icon_view_set_cursor(view, path, nullptr, FALSE);
        gtk_icon_view_select_path(view, path);
        gtk_icon_view_scroll_to_path(view, path, FALSE, 0.0f, 0.0f);
        gtk_tree_path_free(path);
    });
}
