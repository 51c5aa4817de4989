"""Under a window manager that follows the frame hints (IceWM) the About and message dialogs
can only be moved: no close box, no minimise, maximise or resizing; the preview keeps its
close box and nothing more. The preview's client area is the picture at a third, the frame is
the manager's, and the settings keep the outer rectangle."""

import subprocess
import time

from harness import Game, main, wait_for_board

NOT_FOR_DIALOGS = ["_NET_WM_ACTION_MINIMIZE", "_NET_WM_ACTION_MAXIMIZE_HORZ",
                   "_NET_WM_ACTION_MAXIMIZE_VERT", "_NET_WM_ACTION_RESIZE"]


def until(answer, what):
    """The first true answer, asked again for up to 10 seconds."""
    deadline = time.time() + 10
    while time.time() < deadline:
        value = answer()
        if value:
            return value
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + what)


def managed(game, window, name):
    """A property the window manager sets on a window it frames, as xprop prints its value."""
    return until(lambda: game.run("xprop", "-id", window, name).partition(" = ")[2].strip(),
                 name)


def test(binary):
    game = Game(binary)
    manager = subprocess.Popen(["icewm"], env=game.env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        wait_for_board(game)
        managed(game, game.window, "_NET_FRAME_EXTENTS")
        for keys, title in ((("alt+h", "v"), "「ヴェルモラ」のバージョン情報"),
                            (("ctrl+m",), "添付メッセージ")):
            # With a window manager the keyboard goes to the active window.
            game.run("xdotool", "windowactivate", "--sync", game.window)
            game.key(*keys)
            dialog = game.find_window(title)
            actions = managed(game, dialog, "_NET_WM_ALLOWED_ACTIONS").split(", ")
            assert "_NET_WM_ACTION_MOVE" in actions, (title, actions)
            for action in NOT_FOR_DIALOGS + ["_NET_WM_ACTION_CLOSE"]:
                assert action not in actions, (title, actions)
            game.run("xdotool", "key", "--window", dialog, "Return")
            until(lambda: not game.window_shown(dialog), title + " closed")

        game.run("xdotool", "windowactivate", "--sync", game.window)
        game.key("ctrl+p")
        preview = game.find_window("プレビュー")
        actions = managed(game, preview, "_NET_WM_ALLOWED_ACTIONS").split(", ")
        assert "_NET_WM_ACTION_CLOSE" in actions, actions
        assert not set(NOT_FOR_DIALOGS) & set(actions), actions
        left, right, top, bottom = map(int, managed(game, preview, "_NET_FRAME_EXTENTS")
                                       .split(", "))
        assert top > left, "no caption above the preview"
        assert game.window_geometry(preview)[2:] == (146, 186), game.window_geometry(preview)
        game.run("xdotool", "windowmove", preview, "300", "200")
        expected = ["rpleft=300", "rptop=200", "rpright=%d" % (300 + left + 146 + right),
                    "rpbottom=%d" % (200 + top + 186 + bottom)]
        until(lambda: [line for line in game.settings() if line.startswith("rp")] == expected,
              "the outer rectangle in the settings")
    finally:
        game.close()
        manager.terminate()
        manager.wait()


main(test)
