"""A click picks a piece up, it follows the mouse to empty board, and a second click drops it."""

from harness import (Game, TEAL, at_fixed_time, main, not_background, region, solid_piece_point,
                     wait_for_board)

# A window wide enough for a piece to lie wholly right of the heap: every box of the heap ends
# left of x 760, and the pointer dropped at x 1000 puts the 200-pixel box between 800 and 1200
# wherever the piece was taken, so the strip between them stays clear whatever its tabs do.
SETTINGS = "[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =1280\r\nY2  =1000\r\n"
HEAP_RIGHT = 760
PIECE_SIZE = 200
TARGET = (1000, 440)


def test(binary):
    game = Game(binary, ini=SETTINGS, **at_fixed_time("2026-03-01 12:00:07"))
    try:
        wait_for_board(game)
        left, top = game.to_screen(HEAP_RIGHT, 0)
        right_of_heap = (left, top, left + 1280 - HEAP_RIGHT, top + 900)
        # The window may still be growing to its 1280 pixels, the screen's black showing beside
        # it: the board right of the heap is awaited, not caught at one moment.
        before = game.wait_for(lambda s: s.count(*right_of_heap, not_background(TEAL)) == 0,
                               "the board right of the heap (x 760) clear")
        x, y = solid_piece_point(game, before)
        old_place = region(game, before, x, y, 20)

        game.click(x, y)
        # Carry it across the board in small steps, as a hand would.
        for step in range(1, 21):
            game.move(x + (TARGET[0] - x) * step // 20, y + (TARGET[1] - y) * step // 20)
        game.click(*TARGET)

        screen_target = game.to_screen(*TARGET)
        after = game.wait_for(
            lambda s: s.pixel(*screen_target) != TEAL
            and s.count(*right_of_heap, not_background(TEAL)) > 1000,
            "the piece at its new place")
        assert region(game, after, x, y, 20) != old_place, "the piece is still at its old place"
        # Right of the heap lies the dropped piece alone, around the pointer: nothing is left
        # behind along the way.
        dropped = after.bounds_of(*right_of_heap, not_background(TEAL))
        leftmost = game.to_screen(TARGET[0] - PIECE_SIZE, 0)[0]
        assert dropped[0] > leftmost, "a trail left of the piece: %s" % (dropped,)
        assert (dropped[0] <= screen_target[0] < dropped[2]
                and dropped[1] <= screen_target[1] < dropped[3]
                and dropped[2] - dropped[0] <= PIECE_SIZE
                and dropped[3] - dropped[1] <= PIECE_SIZE), "more than one piece: %s" % (dropped,)
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
