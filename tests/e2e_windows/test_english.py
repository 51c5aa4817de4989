"""With the message catalogs beside velmora.exe, as the zip has them, and an English Windows
display language, the game speaks English: the save dialog has its English title. (Without
the catalogs the same game speaks Japanese, the texts it is written in.)"""

from harness import main
from wine_harness import WineGame


def test(exe):
    game = WineGame(exe, catalogs=True, language="en_US.UTF-8")
    try:
        game.wait_for_heap()
        game.keep_screenshot("english-board")
        game.key("ctrl+s")
        game.file_dialog("Save Game")
        game.keep_screenshot("english-save")
        game.answer_dialog("Save Game", key="Escape")
        game.quit_with_escape()
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
