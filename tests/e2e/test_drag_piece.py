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
        # Carry it across the board in small steps, as a hand would, to a point that the
        # pointer may reach wherever on the piece it was taken.
        target = (800, 440)
        for step in range(1, 21):
            game.move(x + (target[0] - x) * step // 20, y + (target[1] - y) * step // 20)
        game.click(*target)

        screen_target = game.to_screen(*target)
        after = game.wait_for(
            lambda s: s.pixel(*screen_target) != TEAL
            and s.count(780, top, 1000, top + 660, not_background(TEAL)) > 1000,
            "the piece at its new place")
        assert region(game, after, x, y, 20) != old_place, "the piece is still at its old place"
        # Nothing is left behind along the way: the strip between heap and new place is clear.
        assert after.count(760, top + 100, 800, top + 300, not_background(TEAL)) == 0
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
