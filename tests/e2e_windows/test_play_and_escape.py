"""velmora.exe under Wine paints the first puzzle, a piece is carried and turned, and Escape
ends the program, writing velmora.ini beside it with CR LF line ends and the nine keys."""

import time

from harness import TEAL, main, region
from wine_harness import WineGame

NINE_KEYS = ["Red  ", "Green", "Blue ", "X1  ", "Y1  ", "X2  ", "Y2  ", "Sound  ", "Toumei  "]


def test(exe):
    game = WineGame(exe)
    try:
        before = game.wait_for_heap()
        assert before.count(*game.to_screen(0, 0), *game.to_screen(1000, 650),
                            lambda p: p == TEAL) > 100000, "the board background is not shown"
        # Under Wine a press now and then does not reach the program (about one run in six,
        # cause unknown); the carry is then tried with another piece.
        for x, y in list(game.board_points(before, lambda p: p != TEAL, 12))[:3]:
            target = game.board_point(before, lambda p: p == TEAL, 70, avoid=(x, y))
            game.move(x, y)
            game.run("xdotool", "mousedown", "1")
            for step in range(1, 9):
                game.move(x + (target[0] - x) * step // 8, y + (target[1] - y) * step // 8)
                time.sleep(0.05)
            time.sleep(0.5)
            carried = game.screenshot()
            under = game.pointer_on_board()
            # The grab point stays under the pointer (the rest of the square around it may
            # have been another piece's).
            if all(p != TEAL for p in region(game, carried, *under, 2)):
                break
            game.run("xdotool", "mouseup", "1")
            before = game.screenshot()
        else:
            raise AssertionError("the piece did not follow")
        assert region(game, carried, x, y, 12) != region(game, before, x, y, 12), \
            "the piece stayed where it was"
        held = region(game, carried, *under, 30)

        game.run("xdotool", "click", "3")
        turned = game.wait_for(lambda s: region(game, s, *under, 30) != held,
                               "the carried piece turned", seconds=10)
        game.run("xdotool", "mouseup", "1")
        time.sleep(0.5)
        dropped = game.screenshot()
        assert region(game, dropped, *under, 30) == region(game, turned, *under, 30), \
            "the piece did not stay where it was put down"

        game.quit_with_escape()
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
