"""A named pipe typed into Ctrl+N's file chooser is refused with a message at once, its
thumbnail included; the game does not wait on the pipe and ends normally afterwards."""

import os
import time

from file_chooser import PICTURE_DIALOG, open_picture_chooser, type_into_chooser, wait_gone
from harness import Game, main, wait_for_board


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
        dialog = open_picture_chooser(game)
        type_into_chooser(game, "pipe.jpg")
        # Waiting on the pipe would leave the game without a message, frozen.
        press_in(game, game.find_window("エラー", seconds=20), "Return")
        wait_gone(game, "エラー")
        press_in(game, dialog, "Escape")
        wait_gone(game, PICTURE_DIALOG)
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
