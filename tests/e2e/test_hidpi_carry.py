"""With GDK_SCALE=2 the board is drawn at twice the size, crisp (every board pixel is 2 x 2
screen pixels of one colour), and the piece under the pointer is the one that follows it."""

import time

from harness import Game, TEAL, at_fixed_time, main, region, wait_for_board


def pointer(game):
    location = dict(item.split(":") for item in game.run("xdotool", "getmouselocation").split())
    return int(location["x"]), int(location["y"])


def solid_piece_point(game, shot):
    """A point well inside some piece; at twice the size the heap reaches further than the
    harness's search does, up to the screen's edges. None while no piece is drawn."""
    for y in range(60, shot.height - game.client_top - 60, 10):
        for x in range(60, shot.width - 60, 10):
            sx, sy = game.to_screen(x, y)
            if all(shot.pixel(sx + dx, sy + dy) != TEAL
                   for dx in range(-12, 13, 4) for dy in range(-12, 13, 4)):
                return x, y
    return None


def test(binary):
    # At a fixed time the first heap is always the same one, which the small window at twice the
    # size shows at 100 % (a heap it could not hold would be shown whole, in the board's margin).
    fixed = at_fixed_time("2026-01-01 00:00:01")
    game = Game(binary, env={"GDK_SCALE": "2", **fixed["env"]}, prefix=fixed["prefix"])
    try:
        wait_for_board(game)
        # The heap may still be on its way to the screen when the board first shows.
        before = game.wait_for(lambda s: solid_piece_point(game, s) is not None,
                               "a piece on the board")
        x, y = solid_piece_point(game, before)
        # Screen coordinates here are device pixels; the client area starts on an even row.
        assert game.client_top % 2 == 0, game.client_top
        sx, sy = game.to_screen(x - x % 2, y - y % 2)
        for dy in range(-40, 40, 2):
            for dx in range(-40, 40, 2):
                block = {before.pixel(sx + dx + i, sy + dy + j) for i in (0, 1) for j in (0, 1)}
                assert len(block) == 1, ("blurred at", sx + dx, sy + dy, block)

        # The pixel under the pointer belongs to the piece picked up (a wider area may show
        # pieces below it too); the area around tells whether the old place changed.
        grabbed = region(game, before, x, y, 0)
        old_place = region(game, before, x, y, 10)
        game.click(x, y)
        # To the middle of the client area, which the confinement always lets the pointer
        # reach (it keeps the whole piece inside the client area). The grab point itself may
        # lie outside it, for a piece that reaches past the window's edge: the pointer is then
        # held at the edge, so the steps there are sent without waiting for the pointer.
        _, window_top, width, height = game.geometry()
        target = (width // 4 * 2, (height - (game.client_top - window_top)) // 4 * 2)
        for step in range(1, 21):
            sx, sy = game.to_screen(x + (target[0] - x) * step // 20,
                                    y + (target[1] - y) * step // 20)
            game.run("xdotool", "mousemove", str(sx), str(sy))
            time.sleep(0.02)
        # The pointer went where it was sent: the confinement lets it.
        game.wait_for(lambda s: pointer(game) == game.to_screen(*target),
                      "the pointer at the middle of the board")
        game.pointer = game.to_screen(*target)

        # The piece that was under the pointer is under it now, with the same picture.
        moved = game.wait_for(lambda s: region(game, s, *target, 0) == grabbed,
                              "the piece under the pointer at its new place")
        assert region(game, moved, x, y, 10) != old_place
        game.click(*target)
        game.wait_for(lambda s: region(game, s, *target, 0) == grabbed,
                      "the piece dropped under the pointer")
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
