// Bringing GTK up on X11 with the program's fonts, and everything down again at the end.
#include "platform/startup.h"

#include <glib-unix.h>

#include <csignal>
#include <string>

#include "platform/gtk/gtk_window.h"
#include "platform/gtk/sound_device.h"
#include "platform/gtk/x11_pointer.h"
#include "platform/language.h"
#include "platform/system.h"

namespace {

// A logout (SIGHUP), Ctrl+C in a terminal (SIGINT) or a polite kill (SIGTERM) ends every
// dialog and closes the main window as its close box does: its place is recorded and the quit
// message posted, so that the game and the settings are kept as on the Exit command.
gboolean quitOnSignal(gpointer)
{
    gtkbackend::requestQuit();
    return G_SOURCE_CONTINUE;
}

// Installed before anything slow (opening the display, reading the library, building the first
// puzzle), so that no signal finds the default action of ending the program without keeping
// anything: one caught during start-up ends the game as soon as start-up is done. A launcher
// may have started the game with these signals held back: they are let through once handled,
// and one already waiting arrives then.
void quitOnSignals()
{
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        g_unix_signal_add(signalNumber, quitOnSignal, nullptr);
        sigaddset(&signals, signalNumber);
    }
    sigprocmask(SIG_UNBLOCK, &signals, nullptr);
}

}  // namespace

void initialisePlatform(int argc, char** argv)
{
    quitOnSignals();
    // Windows are placed by position, which needs X11 (XWayland under Wayland).
    gdk_set_allowed_backends("x11");
    // Everything is drawn by our raster into cairo image surfaces, never through OpenGL: GDK
    // is told so while it opens the display, which spares it loading and probing the GL driver
    // (the larger part of opening the display). The variable goes again at once, so that the
    // programs the game starts (the web browser) do not inherit it; a value of the player's
    // own is left alone.
    const bool glChosen = g_getenv("GDK_GL") != nullptr;
    if (!glChosen)
        g_setenv("GDK_GL", "disable", TRUE);
    gtk_init(&argc, &argv);
    // The windows' class (WM_CLASS) is the desktop entry's name, org.velmora.velmora, so that
    // docks and task bars tie the running game to its launcher and icon. GTK sets its own
    // while it starts, so this comes after, before the first window.
    gdk_set_program_class("org.velmora.velmora");
    if (!glChosen)
        g_unsetenv("GDK_GL");
    initialiseLanguage(modulePath());
    // The dialog font "ＭＳ Ｐゴシック" and the menus: an installed Japanese Gothic.
    const std::string font = std::string(gtkbackend::fontFamiliesFor("ＭＳ Ｐゴシック")) + " 9";
    g_object_set(gtk_settings_get_default(), "gtk-font-name", font.c_str(), nullptr);
}

void shutDownPlatform()
{
    closeSoundDevice();
    releasePointer();
    for (const auto& window : gtkbackend::allWindows()) {
        if (gtkbackend::isLive(window.get())) {
            GtkWidget* toplevel = window->toplevel;
            window->alive = false;
            window->toplevel = nullptr;
            gtk_widget_destroy(toplevel);
        }
        gtkbackend::releaseClientSurface(window.get());
    }
    gtkbackend::allWindows().clear();
    gtkbackend::freeRetiredWindows();
    gtkbackend::runPendingIterations();
}
