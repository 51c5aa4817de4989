"""A prepared settings file gives the board colour and the window rectangle."""

from harness import Game, main

SETTINGS = ("[Quorin_Section]\r\nRed  =200\r\nGreen=50\r\nBlue =300\r\n"
            "X1  =100\r\nY1  =80\r\nX2  =900\r\nY2  =680\r\nSound  =7\r\n")


def test(binary):
    game = Game(binary, ini=SETTINGS)
    colour = (200, 50, 44)  # only the low byte of 300 counts
    try:
        shot = game.wait_for(lambda s: game.geometry() == (100, 80, 800, 600)
                             and s.pixel(105, 670) == colour, "the window at its saved place")
        game.find_client_top(shot, colour)
        game.key("Escape")
        assert game.wait_exit() == 0
        lines = game.settings()
        # Values are written back as they were read; "Sound  " = 7 comes back as 1.
        for expected in ["Red  =200", "Blue =300", "X1  =100", "Y2  =680", "Sound  =1",
                         "Toumei  =0"]:
            assert expected in lines, (expected, lines)
    finally:
        game.close()


main(test)
