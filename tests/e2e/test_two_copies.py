"""One copy per library: a second start brings the running game's window forward and ends; a
copy that finds the running one hung says so and ends without touching the library; a copy
killed outright leaves no lock that stops the next start."""

import os
import signal
import subprocess
import time

from harness import Game, TEAL, main, not_background


def start_copy(game):
    return subprocess.Popen([game.binary], cwd=game.folder, env=game.env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wait_for_game(game):
    return game.wait_for(lambda s: s.count(0, 0, 1000, 700, not_background(TEAL)) > 40000
                         and s.pixel(5, 650) == TEAL, "the first puzzle on the board")


def library_files(game):
    found = {}
    for folder, _, names in os.walk(os.path.join(game.folder, "data")):
        for name in names:
            path = os.path.join(folder, name)
            found[path] = os.stat(path).st_mtime_ns
    return found


def test(binary):
    game = Game(binary)
    cover = None
    try:
        game.find_client_top(wait_for_game(game))
        # Another program's window over the game's bottom left corner.
        cover = subprocess.Popen(["xclock", "-geometry", "400x300+0+500"], env=game.env)
        corner = game.to_screen(5, 650)
        game.wait_for(lambda s: s.pixel(*corner) != TEAL, "the clock over the game")

        second = start_copy(game)
        assert second.wait(timeout=15) == 0, "the second copy did not hand over and end"
        assert game.process.poll() is None, "the first copy ended"
        game.wait_for(lambda s: s.pixel(*corner) == TEAL, "the game's window brought forward")

        # Killed outright, the first copy leaves nothing that stops the next start.
        game.process.kill()
        game.process.wait()
        game.process = start_copy(game)
        game.window = game.find_window("VELMORA", seconds=30)

        # A first copy that never answers: the later one says so and leaves the library alone.
        game.process.send_signal(signal.SIGSTOP)
        before = library_files(game)
        hung = start_copy(game)
        box = None
        deadline = time.time() + 30
        while box is None and time.time() < deadline:
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^エラー$"],
                                   env=game.env, capture_output=True, text=True).stdout.split()
            box = found[0] if found else None
            time.sleep(0.1)
        assert box, "no message about the copy that does not answer"
        x, y, width, height = game.window_geometry(box)
        game.run("xdotool", "mousemove", "--sync", str(x + width // 2), str(y + height // 2))
        game.run("xdotool", "key", "Return")
        assert hung.wait(timeout=15) == 1
        assert library_files(game) == before, "the copy that did not play wrote to the library"
        game.process.send_signal(signal.SIGCONT)
        game.process.send_signal(signal.SIGTERM)
        assert game.wait_exit() == 0
    finally:
        if cover:
            cover.kill()
            cover.wait()
        game.process.send_signal(signal.SIGCONT)
        game.close()


main(test)
