// The puzzle list's thumbnail grid in a GTK dialog built from its template: the items shown,
// the keyboard moving the selection (across rows too), activation and Delete reaching the
// dialog procedure, and the grid holding the keyboard when the dialog opens.
// Needs a display (ctest runs it under xvfb-run); skipped without one.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "tests/gtk/display_main.h"
#include "tests/gtk/key_press.h"

namespace {

constexpr int gridId = 1401;

using Heard = std::vector<std::pair<int, unsigned>>;  // control id, notification code
Heard heard;

// Six items; their pictures are missing, which the grid shows blank.
void fillGrid(Window* dialog)
{
    std::vector<ThumbnailGridItem> items(6);
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].caption = "パズル " + std::to_string(i) + "\n48 ピース";
    setThumbnailGridItems(dialog, gridId, items);
}

std::intptr_t fillingProcedure(Window* dialog, unsigned message, std::uintptr_t wParam,
                               std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        fillGrid(dialog);
    } else if (message == WM_COMMAND) {
        heard.emplace_back(static_cast<int>(wParam & 0xFFFF), static_cast<unsigned>(wParam >> 16));
    }
    return message == WM_INITDIALOG ? 1 : 0;
}

// Runs what is ready now, GTK and the queue.
void settle()
{
    while (gtk_events_pending())
        gtk_main_iteration();
    Message message;
    while (peekMessage(message))
        dispatchMessage(message);
}

// A key pressed on the dialog as GTK delivers it, and what follows handled.
void pressKey(Window* dialog, guint keyval)
{
    sendKeyPress(dialog->toplevel, keyval);
    settle();
}

TEST(GtkThumbnailGrid, ShowsItemsMovesWithKeysAndTellsOfActivationAndDelete)
{
    if (!displayOpened())
        GTEST_SKIP() << "no display";
    Window* dialog = createModelessDialog(142, nullptr, fillingProcedure, 0);
    ASSERT_NE(dialog, nullptr);
    gtk_widget_show_all(dialog->toplevel);
    settle();
    GtkWidget* grid = dialog->controls.at(gridId).widget;
    ASSERT_TRUE(GTK_IS_ICON_VIEW(grid));
    GtkIconView* view = GTK_ICON_VIEW(grid);
    EXPECT_EQ(gtk_window_get_focus(GTK_WINDOW(dialog->toplevel)), grid);

    // Every item with its caption and a picture of the grid's size; nothing selected.
    GtkTreeModel* model = gtk_icon_view_get_model(view);
    ASSERT_EQ(gtk_tree_model_iter_n_children(model, nullptr), 6);
    GtkTreeIter item;
    gtk_tree_model_iter_nth_child(model, &item, nullptr, 5);
    gchar* caption = nullptr;
    GdkPixbuf* picture = nullptr;
    gtk_tree_model_get(model, &item, gtk_icon_view_get_text_column(view), &caption,
                       gtk_icon_view_get_pixbuf_column(view), &picture, -1);
    EXPECT_STREQ(caption, "パズル 5\n48 ピース");
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(gdk_pixbuf_get_width(picture), thumbnailGridPictureWidth);
    EXPECT_EQ(gdk_pixbuf_get_height(picture), thumbnailGridPictureHeight);
    g_free(caption);
    g_object_unref(picture);
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), -1);

    // The program's choice is not told; the player's keys are, each change once; a double
    // click (the view's activation) and Delete are told.
    selectThumbnailGridItem(dialog, gridId, 2);
    settle();
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), 2);
    const struct {
        guint key;
        int selected;
        Heard heard;
    } presses[] = {
        {GDK_KEY_End, 5, {{gridId, TGN_SELCHANGE}}},
        {GDK_KEY_Home, 0, {{gridId, TGN_SELCHANGE}}},
        {GDK_KEY_Right, 1, {{gridId, TGN_SELCHANGE}}},
        {GDK_KEY_Delete, 1, {{gridId, TGN_DELETE}}},
    };
    for (const auto& press : presses) {
        heard.clear();
        pressKey(dialog, press.key);
        EXPECT_EQ(thumbnailGridSelection(dialog, gridId), press.selected) << press.key;
        EXPECT_EQ(heard, press.heard) << press.key;
    }
    // A click on the selected item, which the view tells as a change of selection, is not.
    heard.clear();
    g_signal_emit_by_name(view, "selection-changed");
    settle();
    EXPECT_EQ(heard, Heard{});
    GtkTreePath* path = gtk_tree_path_new_from_indices(1, -1);
    gtk_icon_view_item_activated(view, path);
    settle();
    EXPECT_EQ(heard, (Heard{{gridId, TGN_ACTIVATE}}));

    // Refilled, the grid has nothing selected and tells nothing of it; the player's choice of
    // the item selected before is a change.
    heard.clear();
    fillGrid(dialog);
    settle();
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), -1);
    EXPECT_EQ(heard, Heard{});
    gtk_icon_view_select_path(view, path);
    settle();
    EXPECT_EQ(heard, (Heard{{gridId, TGN_SELCHANGE}}));
    gtk_tree_path_free(path);
    destroyWindow(dialog);
}

// The grid of the modal dialog being checked, with twelve items and the tenth selected, as
// the Puzzles window opens with a made puzzle in play.
Window* modalDialog = nullptr;

std::intptr_t selectingProcedure(Window* dialog, unsigned message, std::uintptr_t,
                                 std::intptr_t)
{
    if (message != WM_INITDIALOG)
        return 0;
    modalDialog = dialog;
    std::vector<ThumbnailGridItem> items(12);
    setThumbnailGridItems(dialog, gridId, items);
    selectThumbnailGridItem(dialog, gridId, 9);
    return 1;
}

int rowOf(GtkIconView* view, int index)
{
    GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
    const int row = gtk_icon_view_get_item_row(view, path);
    gtk_tree_path_free(path);
    return row;
}

// Runs in the modal loop once the dialog is on the screen and has the keyboard (or a while
// has passed): checks the focus, the selection in view, and Right and Left across rows.
struct OpenedCheck {
    int triesLeft = 100;
    bool done = false;
};

gboolean checkOpenedDialog(gpointer data)
{
    auto& check = *static_cast<OpenedCheck*>(data);
    Window* dialog = modalDialog;
    GtkWidget* grid = dialog->controls.at(gridId).widget;
    GtkIconView* view = GTK_ICON_VIEW(grid);
    if (--check.triesLeft > 0 && !(gtk_widget_get_mapped(grid) && gtk_widget_has_focus(grid)))
        return G_SOURCE_CONTINUE;
    while (gtk_events_pending())
        gtk_main_iteration();
    EXPECT_TRUE(gtk_widget_has_focus(grid));
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), 9);
    GtkTreePath* first = nullptr;
    GtkTreePath* last = nullptr;
    if (gtk_icon_view_get_visible_range(view, &first, &last)) {
        EXPECT_LE(gtk_tree_path_get_indices(first)[0], 9);
        EXPECT_GE(gtk_tree_path_get_indices(last)[0], 9);
        gtk_tree_path_free(first);
        gtk_tree_path_free(last);
    } else {
        ADD_FAILURE() << "no item in view";
    }
    // The first row's last item: Right goes on to the next row's first, Left comes back.
    int rowEnd = 0;
    while (rowOf(view, rowEnd + 1) == rowOf(view, 0))
        ++rowEnd;
    selectThumbnailGridItem(dialog, gridId, rowEnd);
    const struct {
        guint key;
        int selected;
    } presses[] = {{GDK_KEY_Right, rowEnd + 1}, {GDK_KEY_Left, rowEnd}, {GDK_KEY_End, 11},
                   {GDK_KEY_Right, 11}, {GDK_KEY_Home, 0}, {GDK_KEY_Left, 0}};
    for (const auto& press : presses) {
        sendKeyPress(dialog->toplevel, press.key);
        while (gtk_events_pending())
            gtk_main_iteration();
        EXPECT_EQ(thumbnailGridSelection(dialog, gridId), press.selected) << press.key;
    }
    check.done = true;
    endDialog(dialog, 0);
    return G_SOURCE_REMOVE;
}

// The keyboard went to another window last (as a dialog that just ended gives it back to its
// owner); the modal dialog opened now takes it, with its grid focused on the selected item.
TEST(GtkThumbnailGrid, AModalDialogsGridHasTheKeyboardOnItsSelectedItem)
{
    if (!displayOpened())
        GTEST_SKIP() << "no display";
    GtkWidget* before = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_widget_show(before);
    gtk_window_present(GTK_WINDOW(before));
    settle();
    OpenedCheck check;
    const guint source = g_timeout_add(20, checkOpenedDialog, &check);
    runModalDialog(142, nullptr, selectingProcedure, 0);
    if (!check.done)
        g_source_remove(source);
    EXPECT_TRUE(check.done);
    gtk_widget_destroy(before);
    settle();
}

}  // namespace
