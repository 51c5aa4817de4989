"""Window rectangles that cannot be shown are fitted to the 1280 x 1024 screen, the board and
menu bar are on screen, and the rectangle used is written back, so the file heals. A settings
file that starts with a byte-order mark is read as it stands."""

from harness import Game, TEAL, main, not_background

BOM = "\ufeff"
CASES = [
    # (X1, Y1, X2, Y2), the outer rectangle expected
    ((0, 0, 99999, 99999), (0, 0, 1280, 1024)),
    ((500, 400, 100, 50), (280, 324, 1280, 1024)),
    ((2147483647, 0, 1000, 700), (280, 0, 1280, 700)),
    ((5000, 5000, 5800, 5600), (480, 424, 1280, 1024)),
]


def settings_text(rect, prefix=""):
    keys = ["X1  ", "Y1  ", "X2  ", "Y2  "]
    return prefix + "[Quorin_Section]\r\n" + "".join(
        "%s=%d\r\n" % (key, value) for key, value in zip(keys, rect))


def starts_fitted(binary, rect, expected):
    game = Game(binary, ini=settings_text(rect))
    try:
        left, top, right, bottom = expected
        game.wait_for(lambda s: game.geometry() == (left, top, right - left, bottom - top),
                      "the window fitted to the screen: %s" % (expected,))
        # The board and its heap in the window, from the menu bar down to the bottom corner.
        game.wait_for(lambda s: s.pixel(left + 5, bottom - 5) == TEAL
                      and s.count(left, top, right, bottom, not_background(TEAL)) > 20000,
                      "the board in the fitted window")
        # Keyboard focus follows the pointer without a window manager.
        game.run("xdotool", "mousemove", "--sync", str(left + 300), str(top + 300))
        game.key("Escape")
        assert game.wait_exit() == 0, game.output()
        written = [line for line in game.settings() if line[:2] in ("X1", "Y1", "X2", "Y2")]
        assert written == ["X1  =%d" % left, "Y1  =%d" % top, "X2  =%d" % right,
                           "Y2  =%d" % bottom], written
    finally:
        game.close()


def byte_order_mark_is_read(binary):
    colour = "[Quorin_Section]\r\nRed  =200\r\nGreen=50\r\nBlue =44\r\n"
    game = Game(binary, ini=BOM + colour)
    try:
        game.wait_for(lambda s: s.pixel(5, 650) == (200, 50, 44), "the colour of the file")
        game.key("Escape")
        assert game.wait_exit() == 0
        with open(game.ini_path, "rb") as written:
            text = written.read().decode("utf-8")
        assert text.startswith(BOM + "[Quorin_Section]\r\nRed  =200\r\n"), text
        assert text.count("[Quorin_Section]") == 1, text
    finally:
        game.close()


def test(binary):
    for rect, expected in CASES:
        starts_fitted(binary, rect, expected)
    byte_order_mark_is_read(binary)


main(test)
