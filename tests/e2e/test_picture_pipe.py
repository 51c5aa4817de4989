"""A named pipe typed into Ctrl+N's file chooser is refused with a message at once, its
thumbnail included; the game does not wait on the pipe and ends normally afterwards."""

import os
import time

from harness import Game, main, wait_for_board
from test_picture_puzzle import wait_gone
from test_save_open import chooser


def press_in(game, window, key):
    """Puts the pointer (and so the keyboard focus) over the window and presses the key."""
    x, y, width, height = game.window_geometry(window)
    # Without --sync, which waits for ever when the pointer is already there.
    game.run("xdotool", "mousemove", str(x + width // 2), str(y + height // 2))
    game.pointer = (x + width // 2, y + height // 2)
    time.sleep(0.5)
    game.run("xdotool", "key", key)


def test(binary):
    game = Game(binary)
    try:
        wait_for_board(game)
        os.mkfifo(os.path.join(game.folder, "pipe.jpg"))
        game.key("ctrl+n")
        dialog = game.find_window("画像からパズルを作る")
        x, y, width, height = game.window_geometry(dialog)
        # The browse button sits at the dialog's top right.
        game.run("xdotool", "mousemove", "--sync", str(x + width - 45), str(y + 28), "click", "1")
        chooser(game, "画像を選ぶ")
        game.run("xdotool", "key", "ctrl+l")
        time.sleep(0.3)
        game.run("xdotool", "type", "--delay", "150", "~/pipe.jpg")
        time.sleep(1)
        game.run("xdotool", "key", "Return")
        wait_gone(game, "画像を選ぶ")
        # Waiting on the pipe would leave the game without a message, frozen.
        press_in(game, game.find_window("エラー", seconds=20), "Return")
        wait_gone(game, "エラー")
        press_in(game, dialog, "Escape")
        wait_gone(game, "画像からパズルを作る")
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
