"""Ctrl+P opens the preview of the first puzzle's picture at (50, 50), a third of its size,
and the board stays in play; every move is written to the settings file at once; closed and
opened again it comes back where it was, or on the screen when that place lies off it. Without a
window manager the preview has no frame: its outer size is the picture's third."""

import os
import time

from harness import Game, TEAL, main, solid_piece_point, wait_for_board

PREVIEW = "プレビュー"


def picture_of_first_puzzle(binary):
    """The 440 x 560 picture of the first puzzle as rows of (r, g, b), top row first."""
    path = os.path.join(os.path.dirname(binary), "resources", "puzzles", "164.jzt")
    with open(path, "rb") as source:
        data = source.read()
    info = 6400 + 14
    width = int.from_bytes(data[info + 4:info + 8], "little")
    height = int.from_bytes(data[info + 8:info + 12], "little")
    assert (width, height) == (440, 560), (width, height)
    bits = info + 40
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(height):
        row = data[bits + (height - 1 - y) * stride:]
        rows.append([(row[3 * x + 2], row[3 * x + 1], row[3 * x]) for x in range(width)])
    return rows


def area_weights(source, target):
    """For each target pixel along one axis: (source pixel, share of its area) pairs."""
    weights = []
    for t in range(target):
        low, high = t * source / target, (t + 1) * source / target
        weights.append([(k, min(high, k + 1) - max(low, k))
                        for k in range(int(low), min(int(high) + 1, source))
                        if min(high, k + 1) > max(low, k)])
    return weights


def reduced(rows, width, height):
    """The picture shrunk to width x height, each pixel the area-weighted mean under it."""
    across = area_weights(len(rows[0]), width)
    down = area_weights(len(rows), height)
    result = []
    for taps in down:
        line = []
        for columns in across:
            total = [0.0, 0.0, 0.0]
            area = 0.0
            for v, wy in taps:
                for u, wx in columns:
                    pixel = rows[v][u]
                    for c in range(3):
                        total[c] += wx * wy * pixel[c]
                    area += wx * wy
            line.append(tuple(value / area for value in total))
        result.append(line)
    return result


def preview_keys(game):
    return [line for line in game.settings() if line.startswith("rp")] \
        if os.path.exists(game.ini_path) else []


def wait_for_keys(game, left, top, right, bottom):
    expected = ["rpleft=%d" % left, "rptop=%d" % top, "rpright=%d" % right,
                "rpbottom=%d" % bottom]
    deadline = time.time() + 10
    while time.time() < deadline:
        if preview_keys(game) == expected:
            return
        time.sleep(0.1)
    raise AssertionError("settings hold %s, not %s" % (preview_keys(game), expected))


def test(binary):
    game = Game(binary)
    try:
        wait_for_board(game)
        game.key("ctrl+p")
        preview = game.find_window(PREVIEW)
        assert game.window_geometry(preview) == (50, 50, 146, 186), game.window_geometry(preview)
        # The placement on showing is written before the player touches anything.
        wait_for_keys(game, 50, 50, 196, 236)

        # The picture at a third of its size fills the preview.
        expected = reduced(picture_of_first_puzzle(binary), 146, 186)

        def mean_difference(shot):
            differences = [abs(shot.pixel(50 + x, 50 + y)[c] - expected[y][x][c])
                           for y in range(0, 186, 3) for x in range(0, 146, 3) for c in range(3)]
            return sum(differences) / len(differences)
        game.wait_for(lambda shot: mean_difference(shot) < 1, "the picture in the preview")

        # The board stays in play beside it: a piece is carried to empty board.
        x, y = solid_piece_point(game, game.screenshot())
        game.click(x, y)
        for step in range(1, 11):
            game.move(x + (800 - x) * step // 10, y + (440 - y) * step // 10)
        game.click(800, 440)
        game.wait_for(lambda shot: shot.pixel(*game.to_screen(800, 440)) != TEAL,
                      "the piece carried beside the preview")

        # A move is written at once, right and bottom included.
        game.run("xdotool", "windowmove", preview, "300", "200")
        wait_for_keys(game, 300, 200, 446, 386)

        # The close box closes it; Ctrl+P brings it back at its last place.
        game.press_close_box(preview)
        game.wait_window_gone(preview, "the preview", seconds=10)
        assert preview_keys(game)[0] == "rpleft=300"
        game.key("ctrl+p")
        preview = game.find_window(PREVIEW)
        assert game.window_geometry(preview) == (300, 200, 146, 186), \
            game.window_geometry(preview)

        # Ctrl+P closes it too, and once more opens it again.
        game.key("ctrl+p")
        game.wait_window_gone(preview, "the preview", seconds=10)
        game.key("ctrl+p")
        preview = game.find_window(PREVIEW)
        assert game.window_geometry(preview) == (300, 200, 146, 186)

        # A place off the 1280-wide screen (another monitor, gone): moved onto the screen whole.
        game.key("ctrl+p")
        game.wait_window_gone(preview, "the preview", seconds=10)
        with open(game.ini_path, newline="") as source:
            text = source.read().replace("rpleft=300", "rpleft=2500")
        with open(game.ini_path, "w", newline="") as out:
            out.write(text)
        game.key("ctrl+p")
        preview = game.find_window(PREVIEW)
        assert game.window_geometry(preview) == (1280 - 155, 200, 146, 186), \
            game.window_geometry(preview)
        wait_for_keys(game, 1125, 200, 1271, 386)
        game.key("Escape")
        assert game.wait_exit() == 0
        wait_for_keys(game, 1125, 200, 1271, 386)
    finally:
        game.close()


main(test)
