"""On a 3000 x 1800 screen a window resized past 2000 x 1200 is board everywhere, and a piece
can be carried into its far corner."""

from harness import Game, TEAL, main, not_background, solid_piece_point, wait_for_board


def test(binary):
    game = Game(binary, screen="3000x1800")
    try:
        shot = wait_for_board(game)
        x, y = solid_piece_point(game, shot)
        game.run("xdotool", "windowsize", "--sync", game.window, "2900", "1750")
        left, top, width, height = game.geometry()
        assert (width, height) == (2900, 1750), (width, height)
        corner = (left + width - 3, top + height - 3)
        game.wait_for(lambda s: s.pixel(*corner) == TEAL, "board colour in the far corner")

        # Carry the piece there in steps; the pointer stays 25 pixels above the bottom edge
        # less the piece's height, so aim for a point the confinement allows.
        client_width = width
        client_height = top + height - game.client_top
        target = (client_width - 150, client_height - 200)
        game.click(x, y)
        for step in range(1, 21):
            game.move(x + (target[0] - x) * step // 20, y + (target[1] - y) * step // 20)
        game.click(*target)
        screen_target = game.to_screen(*target)
        after = game.wait_for(lambda s: s.pixel(*screen_target) != TEAL, "the piece in the corner")
        assert after.count(left + width - 400, top + height - 400, left + width, top + height,
                           not_background(TEAL)) > 5000
        # Nothing but board around it: no unpainted black anywhere in the window.
        assert after.count(left, game.client_top, left + width, top + height,
                           lambda p: p == (0, 0, 0)) < 200
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
