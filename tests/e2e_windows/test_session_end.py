"""The session ends (wineboot --end-session, as a logout does) while a modal window is open
(the open dialog of Ctrl+O, the dialog of Ctrl+N): the game in progress and the settings are
kept all the same, the window's place included, as a logout keeps it on Linux."""

import os
import shutil
import subprocess
import time

from harness import main
from wine_harness import WINE, WineGame, kept_game_folder


def kept_at_session_end(exe, keys, title):
    game = WineGame(exe)
    try:
        game.wait_for_heap()
        game.run("xdotool", "windowmove", "--sync", game.window, "40", "30")
        time.sleep(1.0)
        # The game was kept as it started; what the session's end keeps comes anew.
        shutil.rmtree(os.path.join(kept_game_folder(), "library"))
        game.key(keys)
        game.find_window(title, seconds=20)
        time.sleep(1.0)
        assert not os.path.exists(game.ini_path)
        subprocess.run([WINE, "wineboot.exe", "--end-session"], env=game.env, check=False,
                       timeout=60, capture_output=True)
        game.wait_for_file(game.ini_path)
        with open(game.ini_path, encoding="utf-8", newline="") as settings:
            text = settings.read()
        # Where the window was moved to (its frame a little above and left of the place the
        # X window got), not where it started, at (0, 0).
        place = dict(line.split("=") for line in text.split("\r\n") if "=" in line)
        assert 30 <= int(place["X1  "]) <= 40 and 0 < int(place["Y1  "]) <= 30, text
        game.wait_for_file(os.path.join(kept_game_folder(), "library", "series-2", "game"))
    finally:
        game.close()


def test(exe):
    kept_at_session_end(exe, "ctrl+o", "プレイファイルを開く")
    kept_at_session_end(exe, "ctrl+n", "画像からパズルを作る")


if __name__ == "__main__":
    main(test)
