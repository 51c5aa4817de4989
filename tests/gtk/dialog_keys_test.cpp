// The attached message's read-only box in GTK dialogs built from the templates: no scroll
// bars, and Enter in it stays there (the dialog does not end) while Enter elsewhere presses
// the default button.
// Needs a display (ctest runs it under xvfb-run); skipped without one.
#include <gtest/gtest.h>

#include <vector>

#include "platform/dialogs.h"
#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"
#include "platform/startup.h"
#include "platform/window.h"
#include "tests/gtk/display_main.h"
#include "tests/gtk/key_press.h"

namespace {

std::vector<int> commandsHeard;

std::intptr_t recordCommands(Window*, unsigned message, std::uintptr_t wParam, std::intptr_t)
{
    if (message == WM_COMMAND)
        commandsHeard.push_back(static_cast<int>(wParam & 0xFFFF));
    return message == WM_INITDIALOG ? 1 : 0;
}

// Enter pressed while `widget` has the focus, as GTK delivers it to its window.
std::vector<int> commandsAfterEnterIn(Window* dialog, GtkWidget* widget)
{
    gtk_widget_show_all(dialog->toplevel);
    gtk_window_set_focus(GTK_WINDOW(dialog->toplevel), widget);
    commandsHeard.clear();
    sendKeyPress(dialog->toplevel, GDK_KEY_Return);
    // A button shows itself pressed for a moment before it tells of the click: the main loop
    // runs until a command comes, or a second passes without one.
    bool waited = false;
    const guint guard = g_timeout_add(
        1000, [](gpointer flag) { *static_cast<bool*>(flag) = true; return G_SOURCE_REMOVE; },
        &waited);
    while (commandsHeard.empty() && !waited) {
        g_main_context_iteration(nullptr, TRUE);
        Message message;
        while (peekMessage(message))
            dispatchMessage(message);
    }
    if (!waited)
        g_source_remove(guard);
    return commandsHeard;
}

TEST(GtkDialogKeys, ReadOnlyBoxHasNoScrollBarsAndKeepsEnter)
{
    if (!displayOpened())
        GTEST_SKIP() << "no display";
    Window* dialog = createModelessDialog(120, nullptr, recordCommands, 0);
    ASSERT_NE(dialog, nullptr);
    // The box scrolls sideways with the selection and shows no scroll bars.
    GtkPolicyType across = GTK_POLICY_ALWAYS;
    GtkPolicyType down = GTK_POLICY_ALWAYS;
    gtk_scrolled_window_get_policy(
        GTK_SCROLLED_WINDOW(gtk_widget_get_parent(dialog->controls.at(1002).widget)), &across,
        &down);
    EXPECT_EQ(across, GTK_POLICY_EXTERNAL);
    EXPECT_EQ(down, GTK_POLICY_EXTERNAL);
    EXPECT_EQ(commandsAfterEnterIn(dialog, dialog->controls.at(1002).widget), std::vector<int>{});
    EXPECT_EQ(commandsAfterEnterIn(dialog, dialog->controls.at(1000).widget),
              std::vector<int>{1000});
    destroyWindow(dialog);
    shutDownPlatform();
}

}  // namespace
