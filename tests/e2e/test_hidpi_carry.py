"""With GDK_SCALE=2 the board is drawn at twice the size, crisp (every board pixel is 2 x 2
screen pixels of one colour), and the piece under the pointer is the one that follows it."""

from harness import Game, TEAL, main, region, wait_for_board


def solid_piece_point(game, shot):
    """A point well inside some piece; at twice the size the heap reaches further than the
    harness's search does, up to the screen's edges."""
    for y in range(60, shot.height - game.client_top - 60, 10):
        for x in range(60, shot.width - 60, 10):
            sx, sy = game.to_screen(x, y)
            if all(shot.pixel(sx + dx, sy + dy) != TEAL
                   for dx in range(-12, 13, 4) for dy in range(-12, 13, 4)):
                return x, y
    raise AssertionError("no piece found on the board")


def test(binary):
    game = Game(binary, env={"GDK_SCALE": "2"})
    try:
        before = wait_for_board(game)
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
        # Towards the middle of the screen: well inside the confinement, which keeps the whole
        # piece in the window.
        target = (x + 160 if x < 640 else x - 160, y + 120 if y < 450 else y - 120)
        for step in range(1, 21):
            game.move(x + (target[0] - x) * step // 20, y + (target[1] - y) * step // 20)
        # The pointer went where it was sent: the confinement lets it.
        location = dict(item.split(":")
                        for item in game.run("xdotool", "getmouselocation").split())
        assert (int(location["x"]), int(location["y"])) == game.to_screen(*target), location

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
