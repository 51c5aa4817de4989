"""Ctrl+S saves the game through the file chooser, F2 scatters anew, Ctrl+O brings the saved
board back from the file under a name without an extension."""

import os
import time

from file_chooser import chooser
from harness import Game, TEAL, main, wait_for_board


def board(game, shot):
    """The board as the player sees it, sampled every other pixel."""
    return [shot.pixel(*game.to_screen(x, y)) for y in range(0, 640, 2) for x in range(0, 990, 2)]


def test(binary):
    game = Game(binary)
    try:
        saved = board(game, wait_for_board(game))
        path = os.path.join(game.folder, "games", "first")
        os.makedirs(os.path.dirname(path))

        game.key("ctrl+s")
        chooser(game, "プレイファイルを保存する")
        game.run("xdotool", "type", "--delay", "20", path)
        time.sleep(1)  # the name entry's completion settles before Enter
        game.run("xdotool", "key", "Return")
        written = path + ".jps"
        deadline = time.time() + 20
        while time.time() < deadline and not (
                os.path.exists(written) and os.path.getsize(written) == 8084880):
            time.sleep(0.2)
        assert os.path.exists(written), "no play file was written"
        assert os.path.getsize(written) == 8084880, os.path.getsize(written)
        assert not [name for name in os.listdir(os.path.dirname(path)) if ".tmp" in name]
        assert "gspath=" + written in game.settings()
        # The open dialog below opens an existing file under its own name, with no ".jps" added.
        os.rename(written, path)

        game.key("F2")
        game.wait_for(lambda s: board(game, s) != saved, "a new heap after F2")
        time.sleep(0.5)
        scattered = board(game, game.screenshot())
        assert scattered != saved

        game.key("ctrl+o")
        chooser(game, "プレイファイルを開く")
        game.run("xdotool", "key", "ctrl+l")
        time.sleep(0.3)
        # The entry completes a folder name inline while the cursor stands at the end of the
        # text, and on a busy machine a late completion lands inside the typed name. So the
        # file name goes in first and the folder (short: HOME is the game's folder) before it.
        game.run("xdotool", "type", "--delay", "150", "first")
        game.run("xdotool", "key", "Home")
        game.run("xdotool", "type", "--delay", "150", "~/games/")
        time.sleep(1)
        game.run("xdotool", "key", "Return")
        shot = game.wait_for(lambda s: board(game, s) == saved, "the saved board again")
        assert "gopath=" + path in game.settings()
        assert shot.pixel(*game.to_screen(5, 650)) == TEAL
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
