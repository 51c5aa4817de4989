"""With the see-through setting the desktop shows through the board; the pieces stay."""

from harness import Game, TEAL, main

MAGENTA = (255, 0, 255)


def test(binary):
    game = Game(binary, ini="[Quorin_Section]\r\nToumei  =1\r\n", root_colour="#ff00ff")
    try:
        def ready(shot):
            return (shot.pixel(900, 600) == MAGENTA and
                    shot.count(60, 100, 760, 450, lambda p: p not in (MAGENTA, TEAL)) > 30000)
        shot = game.wait_for(ready, "the pieces over the desktop")
        # Nothing of the board colour is left on the screen.
        assert shot.count(0, 0, 1000, 700, lambda p: p == TEAL) == 0
        # The menu bar stays visible.
        assert shot.pixel(200, 5) != MAGENTA
        # Switching the setting off makes the window opaque again. Keys go to the window under
        # the pointer, and see-through pixels are not the window's: point at the menu bar.
        game.run("xdotool", "mousemove", "--sync", "300", "5")
        for key in ("alt+s", "t", "s"):
            game.run("xdotool", "key", key)
        game.wait_for(lambda s: s.pixel(900, 600) == TEAL, "the board colour back")
    finally:
        game.close()


main(test)
