"""With the message catalogs beside velmora.exe, as the zip has them, and an English Windows
display language, the game speaks English: the save dialog has its English title. (Without
the catalogs the same game speaks Japanese, the texts it is written in.)"""

import os

from harness import main
from wine_harness import WineGame


def test(exe):
    game = WineGame(exe, catalogs=True, language="en_US.UTF-8")
    try:
        game.wait_for_heap()
        shots = os.environ.get("VELMORA_E2E_SHOTS")
        if shots:
            game.run("import", "-window", "root", os.path.join(shots, "english-board.png"))
        game.key("ctrl+s")
        game.file_dialog("Save Game")
        if shots:
            game.run("import", "-window", "root", os.path.join(shots, "english-save.png"))
        game.answer_dialog("Save Game", key="Escape")
        game.quit_with_escape()
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
