"""SIGTERM, SIGINT and SIGHUP end the game through its normal shut-down: a setting changed
during the game (sound switched off) is in the settings file afterwards. When the X server
goes away the game ends with status 1, but it still writes its settings."""

import signal
import time

from harness import Game, main, wait_for_board


def ends_keeping_settings(binary, end, status):
    game = Game(binary)
    try:
        wait_for_board(game)
        game.key("alt+s", "u", "v")  # 設定 > 効果音 > ON: sound off
        time.sleep(1.0)
        end(game)
        assert game.wait_exit() == status, game.output()
        assert "Sound  =0" in game.settings(), game.settings()
    finally:
        game.close()


def test(binary):
    for signal_number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        ends_keeping_settings(binary, lambda game: game.process.send_signal(signal_number), 0)
    ends_keeping_settings(binary, lambda game: game.xvfb.terminate(), 1)


main(test)
