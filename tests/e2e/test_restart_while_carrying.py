"""A piece picked up with a click held as a hand holds it confines the pointer; F2 pressed while
it is carried ends the carry: the confinement is released, the pointer is free to leave the old
rectangle, and the next click picks a piece up anew."""

import time

from harness import Game, TEAL, main, not_background, solid_piece_point, wait_for_board

FAR_RIGHT = 1270  # beyond the main window, so outside any confinement rectangle in it


def pointer(game):
    values = dict(item.split(":") for item in game.run("xdotool", "getmouselocation").split()
                  if ":" in item)
    return int(values["x"]), int(values["y"])


def push_right(game):
    """Moves the pointer right in small steps, as a hand would, towards FAR_RIGHT; answers
    where it ends up. (A confined pointer stops at the rectangle's edge; xdotool's --sync
    would wait for it forever.)"""
    x, y = pointer(game)
    while x < FAR_RIGHT:
        x = min(x + 40, FAR_RIGHT)
        game.run("xdotool", "mousemove", str(x), str(y))
        time.sleep(0.05)
    time.sleep(0.3)
    game.pointer = None
    return pointer(game)[0]


def confinement_windows(game):
    """The input-only window a carry confines the pointer to: a nameless child of the root,
    other than GTK's 1 x 1 helper."""
    lines = game.run("xwininfo", "-root", "-children").splitlines()
    return [line for line in lines if line.strip().startswith("0x")
            and "(has no name)" in line and "1x1+" not in line]


def test(binary):
    game = Game(binary)
    try:
        before = wait_for_board(game)
        x, y = solid_piece_point(game, before)
        # The button stays down a moment, as under a hand: the grab can only be made once the
        # press's own implicit grab has ended.
        game.move(x, y)
        game.run("xdotool", "mousedown", "1")
        time.sleep(0.4)
        game.run("xdotool", "mouseup", "1")
        time.sleep(0.5)
        assert len(confinement_windows(game)) == 1, "the click did not start a carry"
        assert push_right(game) < FAR_RIGHT, "the carried piece does not hold the pointer"

        game.move(x, y)
        game.run("xdotool", "key", "F2")
        game.wait_for(lambda s: s.count(0, game.client_top, 1000, game.client_top + 640,
                                        not_background(TEAL)) > 40000
                      and s.data != before.data, "a new heap after F2")
        assert confinement_windows(game) == [], "the confinement outlived F2"
        assert push_right(game) == FAR_RIGHT, "the pointer is still confined after F2"

        # No stale carry: a click on a piece picks it up and asks for confinement again.
        x, y = solid_piece_point(game, game.screenshot())
        game.click(x, y)
        time.sleep(0.5)
        assert len(confinement_windows(game)) == 1, "the click after F2 did not pick a piece up"
        game.move(x, y)
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
