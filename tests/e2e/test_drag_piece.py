"""A click picks a piece up, it follows the mouse to empty board, and a second click drops it."""

from harness import Game, TEAL, main, not_background, region, solid_piece_point, wait_for_board


def test(binary):
    game = Game(binary)
    try:
        before = wait_for_board(game)
        x, y = solid_piece_point(game, before)
        old_place = region(game, before, x, y, 20)
        top = game.client_top
        assert before.count(780, top, 1000, top + 660, not_background(TEAL)) == 0

        game.click(x, y)
        # Carry it across the board in small steps, as a hand would.
        for step in range(1, 21):
            game.move(x + (880 - x) * step // 20, y + (560 - y) * step // 20)
        game.click(880, 560)

        after = game.wait_for(
            lambda s: s.count(780, top, 1000, top + 660, not_background(TEAL)) > 3000,
            "the piece at its new place")
        assert region(game, after, x, y, 20) != old_place, "the piece is still at its old place"
        # Nothing is left behind along the way: the strip between heap and new place is clear.
        assert after.count(760, top + 100, 800, top + 300, not_background(TEAL)) == 0
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
