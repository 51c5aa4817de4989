"""The first puzzle played to the end with the mouse, then the finished picture saved: as BMP,
as JPEG, glued in the gold panel, and as the wallpaper; each time the next puzzle follows.

The layout follows from the second the puzzle is built in, so the program runs at a fixed
time, and a solver works out the moves for that layout on the headless back end (once, for
all three games)."""

import os
import subprocess
import sys
import time

from harness import (Game, TEAL, at_fixed_time, main, not_background, parse_ppm, play_moves,
                     wait_for_board)

START = "2026-01-01 00:00:00"
START_SECONDS = 1767225600
SOLVER = sys.argv[2]
# The finished picture's place on the board: the solver's (820, 40) plus half the margin.
AREA_LEFT, AREA_TOP, AREA_WIDTH, AREA_HEIGHT = 860, 80, 360, 480


def window_named(game, name):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", name], env=game.env,
                           capture_output=True, text=True).stdout.split()
    return found[0] if found else None


def wait_for_window(game, name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        window = window_named(game, name)
        if window:
            return window
        time.sleep(0.1)
    raise AssertionError("no window named " + name)


def window_geometry(game, window):
    values = {}
    for line in game.run("xdotool", "getwindowgeometry", "--shell", window).splitlines():
        key, _, value = line.partition("=")
        values[key] = int(value)
    return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]


def point_at(game, x, y):
    """Moves the pointer (without --sync, which waits forever when it is already there)."""
    game.run("xdotool", "mousemove", str(int(x)), str(int(y)))
    game.pointer = None
    time.sleep(0.2)


def press_in(game, window, key):
    """A key for a dialog: the pointer over the dialog first, as focus follows it."""
    x, y, width, height = window_geometry(game, window)
    point_at(game, x + width // 2, y + height - 4)
    game.run("xdotool", "key", key)


def click_control(game, window, units, rect):
    """Clicks the middle of a control given in dialog units, scaled from the dialog's size."""
    x, y, width, height = window_geometry(game, window)
    left, top, w, h = rect
    sx = x + (left + w / 2) * width / units[0]
    sy = y + (top + h / 2) * height / units[1]
    point_at(game, sx, sy)
    game.run("xdotool", "click", "1")


def type_file_name(game, path):
    chooser = wait_for_window(game, "^完成画像を保存する$")
    x, y, width, height = window_geometry(game, chooser)
    # The chooser takes keys once it has drawn itself.
    time.sleep(0.8)
    point_at(game, x + width // 2, y + 20)
    game.run("xdotool", "key", "ctrl+a")
    game.run("xdotool", "type", "--delay", "10", path)
    time.sleep(0.5)


def save_and_wait_for_file(game, path):
    """Enter saves; an Enter that only closed the name completion's popup is pressed again."""
    for _ in range(3):
        game.run("xdotool", "key", "Return")
        deadline = time.time() + 4
        while time.time() < deadline:
            if os.path.exists(path):
                return
            time.sleep(0.1)
    raise AssertionError("no file " + path)


def read_bmp(path):
    """(width, height, rows of RGB tuples from the top) of a 24-bit BMP."""
    with open(path, "rb") as source:
        data = source.read()
    assert data[:2] == b"BM"
    width = int.from_bytes(data[18:22], "little")
    height = int.from_bytes(data[22:26], "little")
    assert int.from_bytes(data[28:30], "little") == 24
    assert int.from_bytes(data[2:6], "little") == len(data)
    stride = (3 * width + 3) & ~3
    rows = []
    for y in range(height):
        start = 54 + stride * (height - 1 - y)
        rows.append([(data[start + 3 * x + 2], data[start + 3 * x + 1], data[start + 3 * x])
                     for x in range(width)])
    return width, height, rows


def read_jpeg(path):
    raw = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    shot = parse_ppm(raw)
    return shot.width, shot.height, [[shot.pixel(x, y) for x in range(shot.width)]
                                     for y in range(shot.height)]


def board_picture(game, shot):
    """The finished puzzle as the board shows it, rows of RGB tuples."""
    left, top = game.to_screen(AREA_LEFT, AREA_TOP)
    return [[shot.pixel(left + x, top + y) for x in range(AREA_WIDTH)]
            for y in range(AREA_HEIGHT)]


def mean_difference(rows, board, box):
    left, top, right, bottom = box
    total = count = 0
    for y in range(top, bottom, 2):
        for x in range(left, right, 2):
            if board[y][x] == TEAL:
                continue  # the board shows through the outlines between pieces
            total += sum(abs(a - b) for a, b in zip(rows[y][x], board[y][x]))
            count += 3
    return total / count


def finish_puzzle(game, moves):
    """Plays the moves, closes the congratulation and the message; answers the board."""
    play_moves(game, moves)
    window = wait_for_window(game, "^完成$")
    shot = game.screenshot()
    board = board_picture(game, shot)
    # The finished picture stands whole where it was put together.
    assert sum(row.count(TEAL) for row in board[2:-2]) < 3000
    press_in(game, window, "Return")
    press_in(game, wait_for_window(game, "^添付メッセージ$"), "Return")
    return board


def wait_for_next_puzzle(game):
    top = game.client_top
    game.wait_for(lambda s: s.count(862, top + 82, 1218, top + 557, not_background(TEAL)) == 0
                  and s.count(60, top, 760, top + 490, not_background(TEAL)) > 40000,
                  "the next puzzle")


def play(binary, moves, answer_dialogs, target, read=None):
    settings = "[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =1280\r\nY2  =1000\r\n"
    game = Game(binary, ini=settings, **at_fixed_time(START))
    try:
        wait_for_board(game)
        board = finish_puzzle(game, moves)
        answer_dialogs(game)
        path = os.path.join(game.folder, target)
        type_file_name(game, path)
        written = path if "." in target else path + ".bmp"
        save_and_wait_for_file(game, written)
        wait_for_next_puzzle(game)
        picture = (read or (read_jpeg if written.endswith(".jpg") else read_bmp))(written)
        size = os.path.getsize(written)
        game.key("Escape")
        assert game.wait_exit() == 0
        return board, size, picture
    finally:
        game.close()


def save_choice_then_panel(panel_clicks, ok_by_mouse):
    """Dialog 132 keeps its first choice (save, Enter); dialog 133 gets the clicks."""
    def answer(game):
        press_in(game, wait_for_window(game, "^完成パズル画像$"), "Escape")
        press_in(game, wait_for_window(game, "^完成パズル画像$"), "Return")
        panel = wait_for_window(game, "^PANEL$")
        for rect in panel_clicks:
            click_control(game, panel, (187, 225), rect)
        if ok_by_mouse:
            click_control(game, panel, (187, 225), (69, 204, 50, 14))
        else:
            press_in(game, panel, "Return")
    return answer


def wallpaper_choice(game):
    """Dialog 132: the wallpaper button clicked, OK by Enter; dialog 133 as it opens."""
    choice = wait_for_window(game, "^完成パズル画像$")
    click_control(game, choice, (202, 125), (18, 41, 155, 23))
    press_in(game, choice, "Return")
    press_in(game, wait_for_window(game, "^PANEL$"), "Return")


GLUE = (24, 52, 139, 18)
GOLD = (25, 174, 137, 19)


def is_gold(pixel):
    red, green, blue = pixel
    return red > 120 and red >= green and green > blue + 20


def test(binary):
    moves = subprocess.run([SOLVER, str(START_SECONDS), "1280", "960"], check=True,
                           capture_output=True, text=True).stdout.splitlines()
    whole = (0, 0, AREA_WIDTH, AREA_HEIGHT)

    # BMP: a name typed without extension becomes .bmp; the pieces as the board shows them.
    board, size, (width, height, rows) = play(
        binary, moves, save_choice_then_panel([], ok_by_mouse=True), "finished")
    assert size == 518454, size
    assert (width, height) == (360, 480)
    assert mean_difference(rows, board, whole) < 1, mean_difference(rows, board, whole)

    # JPEG: the same picture within the compression's small error.
    board, _, (width, height, rows) = play(
        binary, moves, save_choice_then_panel([], ok_by_mouse=False), "finished.jpg")
    assert (width, height) == (360, 480)
    assert mean_difference(rows, board, whole) < 6, mean_difference(rows, board, whole)

    # Glued in the gold panel: a gold frame along every edge around the picture.
    board, _, (width, height, rows) = play(
        binary, moves, save_choice_then_panel([GLUE, GOLD], ok_by_mouse=False), "gold.bmp")
    assert (width, height) == (360, 480)
    edges = ([rows[y][x] for y in (2, 477) for x in range(0, 360, 3)]
             + [rows[y][x] for x in (2, 357) for y in range(0, 480, 3)])
    assert sum(map(is_gold, edges)) > len(edges) * 0.95
    # Inside the frame the picture, shrunk a little, still looks like the board's.
    assert mean_difference(rows, board, (60, 80, 300, 400)) < 60

    # The wallpaper: BMP content whatever the name says, taken by the desktop's settings (the
    # harness keeps them in memory), so no message stops the way to the next puzzle.
    board, size, (width, height, rows) = play(binary, moves, wallpaper_choice, "wall.jpg",
                                              read=read_bmp)
    assert size == 518454, size
    assert mean_difference(rows, board, whole) < 1


main(test)
