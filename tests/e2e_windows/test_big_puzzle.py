"""A 500-piece puzzle made through Ctrl+N and its file dialog is zoomed with the keys and the
wheel, panned with the middle button, scrolled by carrying a piece to the window's edge,
tidied with F3 and F4 (no two loose pieces overlap then), and comes back at the next start in
the same view."""

import time

from harness import main
from big_puzzle_scenario import SETTINGS, big_picture, play_big_puzzle
from wine_harness import WineGame, kept_game_folder

ENTRIES_BEFORE_500 = 10


def make_500_piece_puzzle(game):
    """The dialog takes the keyboard on its browse button; the list of piece counts is the
    next control. Home picks its first entry, every Down the next; Enter is OK."""
    game.key("ctrl+n")
    dialog = game.find_window("画像からパズルを作る", seconds=20)
    x, y, width, _ = game.window_geometry(dialog)
    game.run("xdotool", "mousemove", str(x + width // 2), str(y + 8))
    game.pointer = None
    time.sleep(1.0)
    game.run("xdotool", "key", "space")
    chooser = game.file_dialog("画像を選ぶ")
    game.type_into(chooser, "bridge.jpg")
    game.run("xdotool", "key", "Return")
    game.wait_window_gone(chooser, "the file dialog")
    game.run("xdotool", "mousemove", str(x + width // 2), str(y + 8))
    time.sleep(1.0)
    game.run("xdotool", "key", "Tab", "Home")
    for _ in range(ENTRIES_BEFORE_500):
        game.run("xdotool", "key", "Down")
    game.keep_screenshot("big_dialog")
    game.run("xdotool", "key", "Return")
    game.wait_window_gone(dialog, "the dialog")


def test(exe):
    game = WineGame(exe, ini=SETTINGS)
    try:
        game.wait_for_heap()
        big_picture(game.program_folder)
        play_big_puzzle(game, make_500_piece_puzzle, kept_game_folder(),
                        lambda: WineGame(exe, ini=SETTINGS, restore=True))
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
