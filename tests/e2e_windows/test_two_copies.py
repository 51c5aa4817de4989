"""velmora.exe started again while it runs under Wine brings the running game forward and
ends; the running game plays on."""

import subprocess

from harness import main
from wine_harness import WINE, WineGame


def test(exe):
    game = WineGame(exe)
    try:
        game.wait_for_heap()
        second = subprocess.Popen([WINE, game.binary], cwd=game.program_folder, env=game.env,
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        assert second.wait(timeout=60) == 0, "the second copy did not hand over and end"
        assert game.process.poll() is None, "the running game ended"
        game.quit_with_escape()
    finally:
        game.close()


main(test)
