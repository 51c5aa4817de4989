// A quit asked for from outside (a signal): every modal loop ends at once, and none starts,
// so that the main loop closes the main window as its close box does.
#include <algorithm>
#include <vector>

#include "platform/gtk/gtk_window.h"
#include "platform/messages.h"

namespace {

bool quitting = false;

// The GTK dialogs whose gtk_dialog_run is on the stack, innermost last.
std::vector<GtkDialog*>& runningDialogs()
{
    static std::vector<GtkDialog*> dialogs;
    return dialogs;
}

}  // namespace

namespace gtkbackend {

bool quitRequested()
{
    return quitting;
}

void requestQuit()
{
    quitting = true;
    // Each run returns on its response; our own modal loops watch quitRequested.
    for (GtkDialog* dialog : runningDialogs())
        gtk_dialog_response(dialog, GTK_RESPONSE_DELETE_EVENT);
    for (const auto& window : allWindows())
        if (isLive(window.get()) && !window->isDialog) {
            postMessage(window.get(), WM_CLOSE, 0, 0);
            return;
        }
    // Before there is a main window the quit message is posted at once.
    postQuitMessage(0);
}

void waitForEventUnlessQuitting()
{
    if (!quitting)
        gtk_main_iteration_do(TRUE);
}

gint runDialog(GtkDialog* dialog)
{
    if (quitting)
        return GTK_RESPONSE_DELETE_EVENT;
    runningDialogs().push_back(dialog);
    const gint response = gtk_dialog_run(dialog);
    std::erase(runningDialogs(), dialog);
    return response;
}

}  // namespace gtkbackend
