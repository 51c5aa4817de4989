"""velmora.exe under Wine paints the first puzzle, a piece is carried and turned, and Escape
ends the program, writing velmora.ini beside it with CR LF line ends and the nine keys."""

import time

from harness import TEAL, main, not_background, region, solid_piece_point, wait_for_board
from wine_harness import WineGame

NINE_KEYS = ["Red  ", "Green", "Blue ", "X1  ", "Y1  ", "X2  ", "Y2  ", "Sound  ", "Toumei  "]
TARGET = (820, 420)


def test(exe):
    game = WineGame(exe)
    try:
        before = wait_for_board(game)
        assert before.count(*game.to_screen(0, 0), *game.to_screen(1000, 650),
                            lambda p: p == TEAL) > 100000, "the board background is not shown"
        x, y = solid_piece_point(game, before)
        assert all(p == TEAL for p in region(game, before, *TARGET, 30)), "target not empty"

        game.move(x, y)
        game.run("xdotool", "mousedown", "1")
        for step in range(1, 9):
            game.move(x + (TARGET[0] - x) * step // 8, y + (TARGET[1] - y) * step // 8)
            time.sleep(0.05)
        time.sleep(0.5)
        carried = game.screenshot()
        held = region(game, carried, *TARGET, 30)
        assert sum(p != TEAL for p in held) > len(held) // 2, "the piece did not follow"
        assert region(game, carried, x, y, 12) != region(game, before, x, y, 12), \
            "the piece stayed where it was"

        game.run("xdotool", "click", "3")
        turned = game.wait_for(lambda s: region(game, s, *TARGET, 30) != held,
                               "the carried piece turned", seconds=10)
        game.run("xdotool", "mouseup", "1")
        time.sleep(0.5)
        dropped = game.screenshot()
        assert region(game, dropped, *TARGET, 30) == region(game, turned, *TARGET, 30), \
            "the piece did not stay where it was put down"

        game.key("Escape")
        assert game.wait_exit(20) == 0
        with open(game.ini_path, "rb") as settings:
            data = settings.read()
        assert data.count(b"\n") == data.count(b"\r\n") > 0, "lines not ended by CR LF"
        lines = data.decode().split("\r\n")
        assert lines[0] == "[Quorin_Section]", lines
        keys = [line.split("=")[0] for line in lines[1:] if line]
        assert keys == NINE_KEYS, keys
        assert "Sound  =1" in lines and "Toumei  =0" in lines, lines
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
