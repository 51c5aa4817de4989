"""A first run shows the teal board with the twelve pieces of the first puzzle scattered."""

from harness import Game, TEAL, main, not_background


def test(binary):
    game = Game(binary)
    try:
        assert game.geometry() == (0, 0, 1000, 700), game.geometry()
        shot = game.wait_for(lambda s: s.count(0, 0, 1000, 700, not_background(TEAL)) > 40000
                             and s.pixel(5, 650) == TEAL, "the first puzzle on the board")
        top = game.find_client_top(shot)
        assert 10 <= top <= 60, "menu bar of %d pixels" % (top,)
        # Every piece's lower right corner lies in x 260..759, y 190..489: nothing drawn
        # outside (60, -10)-(760, 490).
        pieces = shot.bounds_of(0, top, 1000, 700, not_background(TEAL))
        assert pieces is not None
        left, upper, right, lower = pieces
        assert left >= 60 and right <= 760, pieces
        assert lower <= top + 490, pieces
        # The pieces cover a good part of the heap.
        assert shot.count(60, top, 760, top + 490, not_background(TEAL)) > 12 * 60 * 60
        # The rest of the board is the background colour.
        assert shot.count(770, top, 1000, 700, not_background(TEAL)) == 0
        # The pieces show a picture, not a flat colour: many different colours.
        colours = {shot.pixel(x, y) for x in range(60, 760, 7) for y in range(top, top + 490, 7)}
        assert len(colours) > 200, len(colours)
    finally:
        game.close()


main(test)
