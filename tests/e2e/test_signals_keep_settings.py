"""SIGTERM, SIGINT and SIGHUP end the game through its normal shut-down: a setting changed
during the game (sound switched off) is in the settings file afterwards, and so is the window's
place, as the Exit command keeps it. When the X server goes away the game ends with status 1,
but it still writes its settings (the window's place as it was at the start)."""

import signal
import time

from harness import Game, main, wait_for_board


def ends_keeping_settings(binary, end, status, place):
    game = Game(binary)
    try:
        wait_for_board(game)
        game.key("alt+s", "u", "v")  # 設定 > 効果音 > ON: sound off
        game.run("xdotool", "windowmove", "--sync", game.window, "40", "30")
        time.sleep(1.0)
        end(game)
        assert game.wait_exit() == status, game.output()
        for line in ("Sound  =0", "X1  =%d" % place[0], "Y1  =%d" % place[1]):
            assert line in game.settings(), (line, game.settings())
    finally:
        game.close()


def test(binary):
    for signal_number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        ends_keeping_settings(binary, lambda game: game.process.send_signal(signal_number), 0,
                              (40, 30))
    ends_keeping_settings(binary, lambda game: game.xvfb.terminate(), 1, (0, 0))


main(test)
