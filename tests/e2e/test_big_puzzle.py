"""A 500-piece puzzle made through Ctrl+N and the file chooser is zoomed with the keys and the
wheel, panned with the middle button, scrolled by carrying a piece to the window's edge, tidied
with F3 and F4 (no two loose pieces overlap then), and comes back at the next start in the same
view."""

import os

from big_puzzle_scenario import SETTINGS, big_picture, make_500_piece_puzzle, play_big_puzzle
from harness import Game, main, wait_for_board


def test(binary):
    game = Game(binary, ini=SETTINGS)
    try:
        wait_for_board(game)
        picture = big_picture(game.folder)
        data = os.path.join(game.folder, "data")
        play_big_puzzle(game, lambda g: make_500_piece_puzzle(g, picture),
                        os.path.join(data, "velmora"),
                        lambda: Game(binary, ini=SETTINGS,
                                     env={"HOME": game.folder, "XDG_DATA_HOME": data}))
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
