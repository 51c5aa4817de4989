"""Under a window manager that follows the frame hints (IceWM) the About and message dialogs
can only be moved: no close box, no minimise, maximise or resizing; the preview keeps its
close box and nothing more. The preview's client area is the picture at a third, the frame is
the manager's, and the settings keep the outer rectangle."""

import subprocess
import time

from harness import Game, main, wait_for_board

ABOUT = "「ヴェルモラ」のバージョン情報"
MESSAGE = "添付メッセージ"
PREVIEW = "プレビュー"
NOT_FOR_DIALOGS = ("_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                   "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE")


def window_property(game, window, name):
    """The property's value as xprop prints it after " = ", or None while it is not set."""
    line = game.run("xprop", "-id", window, name)
    return line.split(" = ", 1)[1].strip() if " = " in line else None


def managed(game, window, name):
    """The property the window manager sets on a window it frames, once it is there."""
    deadline = time.time() + 10
    while time.time() < deadline:
        value = window_property(game, window, name)
        if value is not None:
            return value
        time.sleep(0.1)
    raise AssertionError("the window manager did not set %s" % name)


def allowed_actions(game, window):
    return managed(game, window, "_NET_WM_ALLOWED_ACTIONS").split(", ")


def wait_until_gone(game, window):
    deadline = time.time() + 10
    while game.window_shown(window):
        if time.time() > deadline:
            raise AssertionError("window %s is still open" % window)
        time.sleep(0.1)


def test(binary):
    game = Game(binary)
    manager = subprocess.Popen(["icewm"], env=game.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        wait_for_board(game)
        managed(game, game.window, "_NET_FRAME_EXTENTS")
        # With a window manager the keyboard goes to the active window.
        game.run("xdotool", "windowactivate", "--sync", game.window)
        for keys, title in ((("alt+h", "v"), ABOUT), (("ctrl+m",), MESSAGE)):
            game.key(*keys)
            dialog = game.find_window(title)
            actions = allowed_actions(game, dialog)
            assert "_NET_WM_ACTION_MOVE" in actions, (title, actions)
            for action in NOT_FOR_DIALOGS + ("_NET_WM_ACTION_CLOSE",):
                assert action not in actions, (title, actions)
            game.run("xdotool", "key", "--window", dialog, "Return")
            wait_until_gone(game, dialog)

        game.run("xdotool", "windowactivate", "--sync", game.window)
        game.key("ctrl+p")
        preview = game.find_window(PREVIEW)
        actions = allowed_actions(game, preview)
        assert "_NET_WM_ACTION_CLOSE" in actions, actions
        for action in NOT_FOR_DIALOGS:
            assert action not in actions, actions
        left, right, top, bottom = map(int, managed(game, preview, "_NET_FRAME_EXTENTS")
                                       .split(", "))
        assert top > left, "no caption around the preview"
        x, y, width, height = game.window_geometry(preview)
        assert (width, height) == (146, 186), (width, height)
        game.run("xdotool", "windowmove", preview, "300", "200")
        expected = ["rpleft=%d" % 300, "rptop=%d" % 200, "rpright=%d" % (300 + left + 146 + right),
                    "rpbottom=%d" % (200 + top + 186 + bottom)]
        deadline = time.time() + 10
        while [line for line in game.settings() if line.startswith("rp")] != expected:
            if time.time() > deadline:
                raise AssertionError("settings hold %s, not %s" % (game.settings(), expected))
            time.sleep(0.1)
    finally:
        game.close()
        manager.terminate()
        manager.wait()


main(test)
