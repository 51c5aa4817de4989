"""Escape ends the game, and the settings file then holds the nine keys with their defaults."""

from harness import Game, TEAL, main, not_background

DEFAULTS = ["Red  =0", "Green=128", "Blue =128", "X1  =0", "Y1  =0", "X2  =1000", "Y2  =700",
            "Sound  =1", "Toumei  =0"]


def test(binary):
    game = Game(binary)
    try:
        shot = game.wait_for(lambda s: s.count(0, 0, 1000, 700, not_background(TEAL)) > 40000
                             and s.pixel(5, 650) == TEAL, "the first puzzle on the board")
        game.find_client_top(shot)
        game.key("Escape")
        assert game.wait_exit() == 0
        lines = game.settings()
        assert lines[0] == "[Quorin_Section]", lines
        assert lines[1:] == DEFAULTS, lines
    finally:
        game.close()


main(test)
