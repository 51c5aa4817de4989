"""The big puzzle's scenario, shared by the Linux and the Windows builds' tests: a 500-piece
puzzle made through Ctrl+N is zoomed with the keys and the wheel, panned with the middle
button, scrolled by carrying a piece to the window's edge, tidied with F3 and F4 (no two loose
pieces overlap then), and comes back at the next start in the same view."""

import os
import subprocess
import time

from file_chooser import PICTURE_CHOOSER, PICTURE_DIALOG, wait_gone
from harness import TEAL
from kept_board import (current_entry, entry_record, library_folder, loose_pieces_apart,
                        outline_inset)

PICTURE = os.path.join(os.path.dirname(__file__), "..", "..", "resources", "pictures",
                       "170-night-bridge.jpg")
SETTINGS = "[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =1000\r\nY2  =720\r\n"
# The dialog's size in dialog units and its piece count list's rectangle.
DIALOG_UNITS = (300, 153)
SIZES_LIST = (135, 46, 158, 14)
# The piece counts offered for a picture large enough for all of them; 500 is the eleventh.
ENTRIES_BEFORE_500 = 10


def chooser(game, title):
    """Waits for the file chooser and puts the pointer (and so the keyboard focus) over it."""
    window = game.find_window(title, seconds=20)
    x, y, width, _ = game.window_geometry(window)
    if getattr(game, "pointer", None) != (x + width // 2, y + 20):
        game.run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + 20))
        game.pointer = (x + width // 2, y + 20)
    # The chooser takes keys only once it has drawn itself and taken the focus.
    time.sleep(1.5)


def click_screen(game, x, y):
    """Clicks at a screen point (not a board point), keeping track of the pointer."""
    if getattr(game, "pointer", None) != (x, y):
        game.run("xdotool", "mousemove", "--sync", str(x), str(y))
        game.pointer = (x, y)
    game.run("xdotool", "click", "1")


def save_screen(game, name):
    folder = os.environ.get("VELMORA_SHOTS", game.folder)
    game.run("import", "-window", "root", os.path.join(folder, name))


def client_size(game):
    x, y, width, height = game.geometry()
    return width, height - (game.client_top - y)


def board_area(game):
    """The client area less a strip at the right and the bottom, where scroll bars come."""
    width, height = client_size(game)
    return width - 24, height - 24


def piece_span(game, shot):
    """The mean length of the stretches of piece between two stretches of board along every
    fourth row: it grows and shrinks with the level. (The black beyond the board's edges,
    shown whole, is no board: a stretch that reaches it is left out.)"""
    width, height = board_area(game)
    spans = []
    for y in range(0, height, 4):
        run = None
        for x in range(width):
            if shot.pixel(*game.to_screen(x, y)) == TEAL:
                if run:
                    spans.append(run)
                run = 0
            elif run is not None:
                run += 1
    # Too few to tell (the pieces hidden, or hardly any in view): no length.
    return sum(spans) / len(spans) if len(spans) >= 100 else float("inf")


def patch(game, shot, left, top, side=120):
    return [shot.pixel(*game.to_screen(x, y))
            for y in range(top, top + side, 3) for x in range(left, left + side, 3)]


def view_of(game, shot):
    width, height = board_area(game)
    return [shot.pixel(*game.to_screen(x, y)) for y in range(0, height, 3)
            for x in range(0, width, 3)]


def make_500_piece_puzzle(game, picture):
    game.key("ctrl+n")
    dialog = game.find_window("画像からパズルを作る")
    x, y, width, height = game.window_geometry(dialog)
    click_screen(game, x + width - 45, y + 28)
    chooser(game, "画像を選ぶ")
    game.run("xdotool", "key", "ctrl+l")
    time.sleep(0.3)
    game.run("xdotool", "type", "--delay", "150", "~/" + os.path.basename(picture))
    time.sleep(1)
    game.run("xdotool", "key", "Return")
    wait_gone(game, PICTURE_CHOOSER)
    game.wait_for(lambda s: s.count(x + 10, y + 50, x + 180, y + 170,
                                    lambda p: p != (0x80, 0x80, 0x80)) > 8000,
                  "the picture's thumbnail in the dialog")
    # A click on the list opens it; Escape closes it and leaves the keyboard on the list,
    # where Home picks the first entry and every Down the next.
    left, top, w, h = SIZES_LIST
    sx = int(x + (left + w / 2) * width / DIALOG_UNITS[0])
    sy = int(y + (top + h / 2) * height / DIALOG_UNITS[1])
    click_screen(game, sx, sy)
    time.sleep(1)
    game.run("xdotool", "key", "Escape")
    time.sleep(0.5)
    game.run("xdotool", "key", "Home")
    for _ in range(ENTRIES_BEFORE_500):
        game.run("xdotool", "key", "Down")
    time.sleep(0.5)
    save_screen(game, "big_dialog.png")
    click_screen(game, x + width - 158, y + height - 24)
    wait_gone(game, PICTURE_DIALOG)


def wheel(game, x, y, button, modifier=None):
    game.move(x, y)
    if modifier:
        game.run("xdotool", "keydown", modifier)
    game.run("xdotool", "click", str(button))
    if modifier:
        game.run("xdotool", "keyup", modifier)


def changed(game, before, what):
    """Waits for the board to look different from `before` and to settle; answers the shot."""
    game.wait_for(lambda s: view_of(game, s) != before, what)
    last = None
    deadline = time.time() + 10
    while time.time() < deadline:
        shot = game.screenshot()
        now = view_of(game, shot)
        if now == last:
            return shot
        last = now
        time.sleep(0.3)
    return shot


def zoom_and_pan(game, shot):
    """Zooms in and out with the keys and the wheel and pans with the middle button; answers
    the last screenshot."""
    width, height = board_area(game)
    middle = (width // 2, height // 2)
    whole = piece_span(game, shot)
    assert whole < float("inf"), "hardly any pieces in view"
    steps = [("ctrl+plus", None, "in"), (None, ("ctrl", 4), "in"), ("ctrl+minus", None, "out"),
             (None, ("ctrl", 5), "out")]
    last = whole
    for number, (key, wheel_click, direction) in enumerate(steps):
        before = view_of(game, shot)
        if key:
            game.key(key)
        else:
            wheel(game, *middle, wheel_click[1], wheel_click[0])
        shot = changed(game, before, "the zoom " + direction)
        save_screen(game, "big_zoom_%d.png" % number)
        now = piece_span(game, shot)
        assert now < float("inf"), "hardly any pieces in view"
        if direction == "in":
            assert now > last * 1.1, "zooming in drew the pieces no larger (%.1f, %.1f)" % (
                last, now)
        else:
            assert now * 1.1 < last, "zooming out drew the pieces no smaller (%.1f, %.1f)" % (
                last, now)
        last = now
    save_screen(game, "big_zoomed_out.png")
    assert abs(last - whole) * 10 < whole, "two steps in and two out: not the whole board again"

    before = view_of(game, shot)
    game.key("ctrl+0")
    shot = changed(game, before, "100 %")
    save_screen(game, "big_100.png")
    assert piece_span(game, shot) > whole * 1.1, "100 %: the pieces no larger than shown whole"

    # The middle button drags the board along with the pointer.
    start = (middle[0] + 150, middle[1] + 100)
    end = (middle[0] - 50, middle[1])
    sample = (middle[0] - 60, middle[1] - 60)
    old = patch(game, shot, *sample)
    game.move(*start)
    game.run("xdotool", "mousedown", "2")
    for step in range(1, 11):
        game.move(start[0] + (end[0] - start[0]) * step // 10,
                  start[1] + (end[1] - start[1]) * step // 10)
    game.run("xdotool", "mouseup", "2")
    dx, dy = end[0] - start[0], end[1] - start[1]
    shot = game.wait_for(lambda s: patch(game, s, sample[0] + dx, sample[1] + dy) == old,
                         "the board dragged along with the middle button")
    save_screen(game, "big_panned.png")

    # The wheel scrolls down, and with Shift across.
    for modifier, what in ((None, "the wheel's scroll"), ("shift", "Shift+wheel's scroll")):
        before = view_of(game, shot)
        wheel(game, *middle, 5, modifier)
        shot = changed(game, before, what)
    return shot


def piece_point(game, shot):
    """A window point well inside a piece near the middle of the view."""
    width, height = board_area(game)
    for y in range(height // 3, 2 * height // 3, 8):
        for x in range(width // 3, 2 * width // 3, 8):
            if all(shot.pixel(*game.to_screen(x + dx, y + dy)) != TEAL
                   for dx in range(-8, 9, 4) for dy in range(-8, 9, 4)):
                return x, y
    raise AssertionError("no piece near the middle of the view")


def carry_to_edge(game, shot):
    """Picks a piece, rests with it at the window's right edge until the view scrolls, drops
    it there."""
    width, height = board_area(game)
    before = view_of(game, shot)
    game.key("ctrl+plus")
    shot = changed(game, before, "the zoom to 150 %")
    x, y = piece_point(game, shot)
    game.click(x, y)
    # Toward the right edge, just left of where a vertical scroll bar may lie. The carried
    # piece may hold the pointer back (the piece stays on the board), so the moves do not
    # wait for the pointer to arrive.
    edge = width + 24 - 20
    for step in range(1, 16):
        sx, sy = game.to_screen(x + (edge - x) * step // 15, y)
        game.run("xdotool", "mousemove", str(sx), str(sy))
        time.sleep(0.05)
    game.pointer = None
    time.sleep(0.3)
    resting = game.screenshot()
    # Far from the carried piece, the board moves under it.
    far = (20, 20)
    game.wait_for(lambda s: patch(game, s, *far) != patch(game, resting, *far),
                  "the view scrolling while the piece rests at the edge")
    time.sleep(1)
    save_screen(game, "big_edge_carry.png")
    game.run("xdotool", "click", "1")
    time.sleep(0.5)
    save_screen(game, "big_dropped.png")


def play_big_puzzle(game, make_puzzle, kept_folder, start_again):
    """The whole scenario from the first puzzle on the board: `make_puzzle(game)` makes the
    500-piece puzzle, `start_again()` starts the program anew on the game it kept in the
    library of its data folder `kept_folder`."""
    first = view_of(game, game.screenshot())
    make_puzzle(game)
    # The first puzzle's pieces are drawn some 120 pixels across, the made one's, shown whole,
    # under a quarter of that (and the progress of the making is shown in between).
    game.wait_for(lambda s: view_of(game, s) != first and piece_span(game, s) < 40,
                  "the made puzzle's heap", 60)
    shot = changed(game, first, "the made puzzle's heap")
    save_screen(game, "big_made.png")

    shot = zoom_and_pan(game, shot)
    carry_to_edge(game, shot)
    for key in ("F3", "F4"):
        before = view_of(game, game.screenshot())
        game.key(key)
        changed(game, before, key + "'s tidying")
    save_screen(game, "big_spread.png")
    shown = view_of(game, game.screenshot())

    game.key("Escape")
    assert game.wait_exit(30) == 0
    library = library_folder(kept_folder)
    entry = current_entry(library)
    assert entry.startswith("made-"), "the made puzzle is not in play: " + entry
    record = entry_record(library, entry)
    assert 470 <= record.count <= 530, "not the 500-piece choice: %d x %d" % (
        record.columns, record.rows)
    loose = loose_pieces_apart(record,
                               outline_inset(record, os.path.join(library, entry, "puzzle.jzt")))
    assert loose >= record.count - 2, "only %d loose pieces" % loose
    percent, left, top = record.view
    assert percent == 150, percent
    assert left > 0 and top > 0, (left, top)

    again = start_again()
    try:
        # The same window settings: the board lies where it lay before.
        again.client_top, again.client_left = game.client_top, game.client_left
        try:
            again.wait_for(lambda s: view_of(again, s) == shown, "the same view as before", 30)
        finally:
            save_screen(again, "big_again.png")
        again.key("Escape")
        assert again.wait_exit(30) == 0
        assert entry_record(library).view == (percent, left, top)
    finally:
        again.close()


def big_picture(folder):
    """The picture, enlarged so that every count has the full cell and the board reaches far
    beyond the window."""
    picture = os.path.join(folder, "bridge.jpg")
    subprocess.run(["convert", PICTURE, "-resize", "1700x1336!", picture], check=True)
    return picture
