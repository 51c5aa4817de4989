"""A quit asked for before start-up is done ends the game as soon as it has started, through
its normal shut-down: the first game is kept in the library and the settings are written, the
window's place as the settings gave it. The request is SIGTERM already waiting when the program
starts (a launcher held it back), so it comes before anything the program does, every time."""

import os
import sys

from harness import Game, main
from kept_board import entry_record, library_folder

SETTINGS = "[Quorin_Section]\r\nX1  =100\r\nY1  =80\r\nX2  =900\r\nY2  =680\r\nSound  =0\r\n"

# Starts the program with SIGTERM held back and already sent.
WITH_SIGTERM_WAITING = (
    "import os, signal, sys\n"
    "signal.pthread_sigmask(signal.SIG_BLOCK, {signal.SIGTERM})\n"
    "os.kill(os.getpid(), signal.SIGTERM)\n"
    "os.execv(sys.argv[1], sys.argv[1:])\n")


class GameEndingAtStart(Game):
    """The program ends before a test could find its window."""

    def _wait_for_window(self):
        return None


def test(binary):
    game = GameEndingAtStart(binary, ini=SETTINGS,
                             prefix=(sys.executable, "-c", WITH_SIGTERM_WAITING))
    try:
        assert game.wait_exit(seconds=60) == 0, game.output()
        lines = game.settings()
        for expected in ("X1  =100", "Y1  =80", "X2  =900", "Y2  =680", "Sound  =0"):
            assert expected in lines, (expected, lines)
        library = library_folder(os.path.join(game.folder, "data", "velmora"))
        assert entry_record(library).count == 12
    finally:
        game.close()


main(test)
