"""After a sound has played the audio device is let go: nothing more is written to SDL's disk
driver and the idle game uses next to no processor time."""

import os
import time

from harness import Game, main, solid_piece_point, wait_for_board


def processor_seconds(pid):
    fields = open("/proc/%d/stat" % pid).read().rpartition(")")[2].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def test(binary):
    game = Game(binary, env={"SDL_AUDIODRIVER": "disk"})
    audio = os.path.join(game.folder, "audio.raw")
    try:
        shot = wait_for_board(game)
        x, y = solid_piece_point(game, shot)
        game.click(x, y, button=3)
        time.sleep(1.5)
        written = os.path.getsize(audio)
        assert written > 1000, written
        start = processor_seconds(game.process.pid)
        time.sleep(10)
        used = processor_seconds(game.process.pid) - start
        print("processor time in 10 s of idling after a sound: %.2f s" % used)
        assert os.path.getsize(audio) == written, "the audio device still streams"
        # A generous bound: a device left streaming or a spinning loop costs far more.
        assert used < 0.5, used
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


main(test)
