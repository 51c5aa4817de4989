"""The file choosers as the end-to-end tests drive them: waiting for one, typing a name into it,
and the Ctrl+N dialog's picture chooser."""

import subprocess
import time

PICTURE_DIALOG = "画像からパズルを作る"
PICTURE_CHOOSER = "画像を選ぶ"


def chooser(game, title):
    """Waits for the file chooser with this title and puts the pointer (and so the keyboard
    focus) over it."""
    deadline = time.time() + 20
    while time.time() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                               env=game.env, capture_output=True, text=True).stdout.split()
        if found:
            window = found[0]
            values = {}
            for line in game.run("xdotool", "getwindowgeometry", "--shell", window).splitlines():
                key, _, value = line.partition("=")
                values[key] = value
            x = int(values["X"]) + int(values["WIDTH"]) // 2
            y = int(values["Y"]) + 20
            game.run("xdotool", "mousemove", "--sync", str(x), str(y))
            game.pointer = (x, y)
            # The chooser takes keys only once it has drawn itself and taken the focus.
            time.sleep(1.5)
            return window
        time.sleep(0.2)
    raise AssertionError("no file chooser titled " + title)


def wait_gone(game, title):
    deadline = time.time() + 20
    while time.time() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                               env=game.env, capture_output=True, text=True).stdout.split()
        if not found:
            return
        time.sleep(0.2)
    raise AssertionError(title + " is still shown")


def open_picture_chooser(game):
    """Ctrl+N and its browse button: answers the Ctrl+N dialog, the chooser shown over it."""
    game.key("ctrl+n")
    dialog = game.find_window(PICTURE_DIALOG)
    x, y, width, _ = game.window_geometry(dialog)
    # The browse button sits at the dialog's top right.
    game.run("xdotool", "mousemove", "--sync", str(x + width - 45), str(y + 28), "click", "1")
    chooser(game, PICTURE_CHOOSER)
    return dialog


def type_into_chooser(game, name):
    """Types a name of the game's folder (its HOME) into the shown chooser and takes it."""
    game.run("xdotool", "key", "ctrl+l")
    time.sleep(0.3)
    # Typed slowly and short, so that the entry's completion settles after every key.
    game.run("xdotool", "type", "--delay", "150", "~/" + name)
    time.sleep(1)
    game.run("xdotool", "key", "Return")
    wait_gone(game, PICTURE_CHOOSER)
