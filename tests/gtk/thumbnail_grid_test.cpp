// The puzzle list's thumbnail grid in a GTK dialog built from its template: the items shown,
// the keyboard moving the selection, and a double click, Delete and Enter reaching the dialog
// procedure; and the yes/no question's buttons.
// Needs a display (ctest runs it under xvfb-run); skipped without one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/startup.h"
#include "platform/window.h"
#include "tests/gtk/display_main.h"

namespace {

constexpr int gridId = 1401;

// WM_COMMAND heard: the control id and the notification code.
std::vector<std::pair<int, unsigned>> heard;

std::intptr_t fillingProcedure(Window* dialog, unsigned message, std::uintptr_t wParam,
                               std::intptr_t)
{
    if (message == WM_INITDIALOG) {
        std::vector<ThumbnailGridItem> items(6);
        for (std::size_t i = 0; i < items.size(); ++i) {
            items[i].picture = {thumbnailGridPictureWidth, thumbnailGridPictureHeight,
                                std::vector<std::uint8_t>(thumbnailGridPictureWidth *
                                                          thumbnailGridPictureHeight * 3)};
            items[i].caption = "パズル " + std::to_string(i) + "\n48 ピース";
        }
        items[5].picture = {};  // a picture missing is shown blank, at the grid's size
        setThumbnailGridItems(dialog, gridId, items);
        return 1;
    }
    if (message == WM_COMMAND)
        heard.emplace_back(static_cast<int>(wParam & 0xFFFF), static_cast<unsigned>(wParam >> 16));
    return 0;
}

// Runs GTK and the queue until something is heard or a second has passed (a button shows
// itself pressed for a moment before it tells of the click).
void runUntilHeard()
{
    bool waited = false;
    const guint guard = g_timeout_add(
        1000, [](gpointer flag) { *static_cast<bool*>(flag) = true; return G_SOURCE_REMOVE; },
        &waited);
    while (heard.empty() && !waited) {
        g_main_context_iteration(nullptr, TRUE);
        Message message;
        while (peekMessage(message))
            dispatchMessage(message);
    }
    if (!waited)
        g_source_remove(guard);
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

// A key pressed on the dialog as GTK delivers it, with the key's code on the keyboard that key
// bindings go by.
void pressKey(Window* dialog, guint keyval)
{
    GdkEvent* event = gdk_event_new(GDK_KEY_PRESS);
    event->key.window = GDK_WINDOW(g_object_ref(gtk_widget_get_window(dialog->toplevel)));
    event->key.keyval = keyval;
    GdkKeymapKey* keys = nullptr;
    gint keyCount = 0;
    GdkDisplay* display = gtk_widget_get_display(dialog->toplevel);
    if (gdk_keymap_get_entries_for_keyval(gdk_keymap_get_for_display(display), keyval, &keys,
                                          &keyCount) &&
        keyCount > 0)
        event->key.hardware_keycode = static_cast<guint16>(keys[0].keycode);
    g_free(keys);
    gdk_event_set_device(event, gdk_seat_get_keyboard(gdk_display_get_default_seat(display)));
    gtk_widget_event(dialog->toplevel, event);
    gdk_event_free(event);
}

// A click (or, with `twice`, a double click) of the primary button on item `index`.
void clickItem(GtkIconView* view, int index, bool twice)
{
    GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
    GdkRectangle cell{};
    ASSERT_TRUE(gtk_icon_view_get_cell_rect(view, path, nullptr, &cell));
    gtk_tree_path_free(path);
    // Items are drawn on a window of their own inside the view's.
    GdkWindow* items = nullptr;
    for (GList* child = gdk_window_peek_children(gtk_widget_get_window(GTK_WIDGET(view))); child;
         child = child->next) {
        gpointer owner = nullptr;
        gdk_window_get_user_data(GDK_WINDOW(child->data), &owner);
        if (owner == view)
            items = GDK_WINDOW(child->data);
    }
    ASSERT_NE(items, nullptr);
    int x = 0;
    int y = 0;
    gtk_icon_view_convert_widget_to_bin_window_coords(view, cell.x + cell.width / 2,
                                                      cell.y + cell.height / 2, &x, &y);
    GdkDisplay* display = gtk_widget_get_display(GTK_WIDGET(view));
    for (const GdkEventType type :
         twice ? std::vector{GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE, GDK_BUTTON_PRESS,
                             GDK_2BUTTON_PRESS, GDK_BUTTON_RELEASE}
               : std::vector{GDK_BUTTON_PRESS, GDK_BUTTON_RELEASE}) {
        GdkEvent* event = gdk_event_new(type);
        event->button.window = GDK_WINDOW(g_object_ref(items));
        event->button.button = GDK_BUTTON_PRIMARY;
        event->button.x = x;
        event->button.y = y;
        gdk_event_set_device(event, gdk_seat_get_pointer(gdk_display_get_default_seat(display)));
        gtk_widget_event(GTK_WIDGET(view), event);
        gdk_event_free(event);
    }
}

TEST(GtkThumbnailGrid, ShowsItemsMovesWithKeysAndTellsOfDoubleClickDeleteAndEnter)
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
    ASSERT_TRUE(gtk_tree_model_iter_nth_child(model, &item, nullptr, 5));
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

    // The program's choice is not told; the player's keys are, each change once.
    heard.clear();
    selectThumbnailGridItem(dialog, gridId, 2);
    settle();
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), 2);
    EXPECT_TRUE(heard.empty());
    const struct {
        guint key;
        int selected;
    } moves[] = {{GDK_KEY_End, 5}, {GDK_KEY_Home, 0}, {GDK_KEY_Right, 1}};
    for (const auto& move : moves) {
        heard.clear();
        pressKey(dialog, move.key);
        settle();
        EXPECT_EQ(thumbnailGridSelection(dialog, gridId), move.selected) << move.key;
        EXPECT_EQ(heard, (std::vector<std::pair<int, unsigned>>{{gridId, TGN_SELCHANGE}}))
            << move.key;
    }

    // Page Down goes down the column.
    heard.clear();
    pressKey(dialog, GDK_KEY_Page_Down);
    settle();
    const int below = thumbnailGridSelection(dialog, gridId);
    ASSERT_GT(below, 1);
    GtkTreePath* second = gtk_tree_path_new_from_indices(1, -1);
    GtkTreePath* lower = gtk_tree_path_new_from_indices(below, -1);
    EXPECT_EQ(gtk_icon_view_get_item_column(view, lower),
              gtk_icon_view_get_item_column(view, second));
    EXPECT_GT(gtk_icon_view_get_item_row(view, lower), gtk_icon_view_get_item_row(view, second));
    gtk_tree_path_free(second);
    gtk_tree_path_free(lower);
    EXPECT_EQ(heard, (std::vector<std::pair<int, unsigned>>{{gridId, TGN_SELCHANGE}}));

    // A click selects; a double click then activates; Delete; Enter presses the default button.
    heard.clear();
    clickItem(view, 3, false);
    settle();
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), 3);
    heard.clear();
    clickItem(view, 3, true);
    settle();
    EXPECT_EQ(heard, (std::vector<std::pair<int, unsigned>>{{gridId, TGN_ACTIVATE}}));
    heard.clear();
    pressKey(dialog, GDK_KEY_Delete);
    settle();
    EXPECT_EQ(heard, (std::vector<std::pair<int, unsigned>>{{gridId, TGN_DELETE}}));
    heard.clear();
    pressKey(dialog, GDK_KEY_Return);
    runUntilHeard();
    EXPECT_EQ(heard, (std::vector<std::pair<int, unsigned>>{{1, 0}}));

    // Refilled, the grid has nothing selected and tells nothing of it.
    heard.clear();
    setThumbnailGridItems(dialog, gridId, {});
    settle();
    EXPECT_EQ(thumbnailGridSelection(dialog, gridId), -1);
    EXPECT_TRUE(heard.empty());
    destroyWindow(dialog);
}

// What the question showed, and how the player answers it: Yes clicked, or Enter.
struct Question {
    bool clickYes = false;
    std::string title;
    std::string yes;
    std::string no;
    std::string byDefault;
};

gboolean answerQuestion(gpointer data)
{
    auto* question = static_cast<Question*>(data);
    GtkWindow* box = nullptr;
    GList* windows = gtk_window_list_toplevels();
    for (GList* at = windows; at; at = at->next)
        if (GTK_IS_MESSAGE_DIALOG(at->data) && gtk_widget_get_visible(GTK_WIDGET(at->data)))
            box = GTK_WINDOW(at->data);
    g_list_free(windows);
    if (!box)
        return G_SOURCE_CONTINUE;
    auto label = [](GtkWidget* button) {
        return std::string(button ? gtk_button_get_label(GTK_BUTTON(button)) : "");
    };
    question->title = gtk_window_get_title(box);
    GtkWidget* yes = gtk_dialog_get_widget_for_response(GTK_DIALOG(box), GTK_RESPONSE_YES);
    question->yes = label(yes);
    question->no = label(gtk_dialog_get_widget_for_response(GTK_DIALOG(box), GTK_RESPONSE_NO));
    question->byDefault = label(gtk_window_get_default_widget(box));
    if (question->clickYes)
        gtk_button_clicked(GTK_BUTTON(yes));
    else
        gtk_window_activate_default(box);
    return G_SOURCE_REMOVE;
}

TEST(GtkYesNoQuestion, NoIsTheDefaultAndYesAnswersTrue)
{
    if (!displayOpened())
        GTEST_SKIP() << "no display";
    for (const bool clickYes : {false, true}) {
        Question question{clickYes};
        g_timeout_add(50, answerQuestion, &question);
        EXPECT_EQ(askYesNo(nullptr, "削除", "このパズルを削除しますか?"), clickYes);
        EXPECT_EQ(question.title, "削除");
        EXPECT_EQ(question.yes, "はい(_Y)");
        EXPECT_EQ(question.no, "いいえ(_N)");
        EXPECT_EQ(question.byDefault, "いいえ(_N)");
    }
}

}  // namespace
