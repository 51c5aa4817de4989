"""A right click on a piece turns it a quarter turn about the mouse pointer."""

from harness import Game, TEAL, main, region, solid_piece_point, wait_for_board


def test(binary):
    game = Game(binary)
    try:
        before = wait_for_board(game)
        x, y = solid_piece_point(game, before)
        old_look = region(game, before, x, y, 60)
        game.click(x, y, button=3)
        after = game.wait_for(lambda s: region(game, s, x, y, 60) != old_look, "the piece turned")
        # The piece turned about the pointer, so it still lies under it.
        sx, sy = game.to_screen(x, y)
        assert after.pixel(sx, sy) != TEAL
    finally:
        game.close()


main(test)
