"""Ctrl+S saves the game in progress as a play file through the save dialog (the default
extension added), a piece is moved, and Ctrl+O opens the file again: the board is as saved.
The chosen paths, in the program's Japanese-named folder, are kept in velmora.ini."""

import time

from harness import TEAL, main
from wine_harness import WineGame


def choose_file(game, title, name):
    dialog = game.file_dialog(title)
    game.type_into(dialog, name)
    game.run("xdotool", "key", "Return")


def test(exe):
    game = WineGame(exe)
    try:
        game.wait_for_heap()
        game.key("ctrl+s")
        choose_file(game, "プレイファイルを保存する", "game")
        game.wait_for_file(game.program_folder + "/game.jps")
        time.sleep(1.0)
        saved = game.board_rows(game.screenshot())

        x, y = game.board_point(game.screenshot(), lambda p: p != TEAL, 12)
        game.move(x, y)
        game.run("xdotool", "mousedown", "1")
        game.move(x + 250, y + 120)
        game.move(x + 500, y + 150)
        game.run("xdotool", "mouseup", "1")
        time.sleep(0.5)
        assert game.board_rows(game.screenshot()) != saved, "the piece did not move"

        game.key("ctrl+o")
        choose_file(game, "プレイファイルを開く", "game.jps")
        game.wait_for(lambda shot: game.board_rows(shot) == saved,
                      "the board as it was saved", seconds=30)

        game.quit_with_escape()
        with open(game.ini_path, encoding="utf-8", newline="") as settings:
            text = settings.read()
        path = game.windows_path("game.jps")
        assert "gspath=" + path + "\r\n" in text, text
        assert "gopath=" + path + "\r\n" in text, text
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
