"""A nearly finished game is opened and its last piece put in place with the mouse: the
congratulation, the attached message, the picture and panel choices follow, and the finished
picture is saved as a BMP file; the same again saved as a JPEG file. Both hold the picture."""

import os
import shutil
import subprocess
import sys
import time

from harness import TEAL, main, parse_ppm
from wine_harness import WINE, WineGame, pictures_folder

HELPER = sys.argv[2]
# A window as large as the screen allows, so the finished picture fits beside the heap.
SETTINGS = ("[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =1280\r\nY2  =1000\r\n")


def finish(game, play_file, actions, picture_name):
    game.key("ctrl+o")
    dialog = game.file_dialog("プレイファイルを開く")
    game.type_into(dialog, play_file)
    game.run("xdotool", "key", "Return")
    game.wait_for(lambda shot: shot.pixel(*game.to_screen(900, 200)) != TEAL,
                  "the nearly finished game on the board", seconds=30)
    time.sleep(0.5)
    for line in actions:
        kind, x, y = line.split()
        game.move(int(x), int(y))
        if kind == "right":
            game.run("xdotool", "click", "3")
        elif kind == "press":
            game.run("xdotool", "mousedown", "1")
        elif kind == "release":
            game.run("xdotool", "mouseup", "1")
        time.sleep(0.05)
    for title in ("完成", "添付メッセージ", "完成パズル画像", "PANEL"):
        game.answer_dialog(title)
    dialog = game.file_dialog("完成画像を保存する")
    game.type_into(dialog, picture_name)
    game.run("xdotool", "key", "Return")
    # The dialog opens in the Pictures folder, with the puzzle's title as the name.
    game.wait_for_file(os.path.join(pictures_folder(), picture_name), seconds=30)


def read_picture(path):
    raw = subprocess.run(["convert", path, "-depth", "8", "ppm:-"], check=True,
                         capture_output=True).stdout
    return parse_ppm(raw)


def test(exe):
    # In the Japanese program folder: the finished pictures are written through UTF-16 paths.
    game = WineGame(exe, SETTINGS)
    try:
        # Written where its path is plain ASCII (the helper takes a narrow argument), then put
        # beside the program, where the file dialogs open.
        made = os.path.join(game.folder, "nearly.jps")
        actions = subprocess.run([WINE, HELPER, game.windows_path("nearly.jps", game.folder)],
                                 env=game.env, check=True, capture_output=True,
                                 text=True).stdout.split("\n")
        actions = [line for line in actions if line.strip()]
        assert os.path.getsize(made) > 0 and actions, "no nearly finished game"
        shutil.copy(made, game.program_folder)

        for name in ("finished.bmp", "finished.jpg"):
            if os.path.exists(os.path.join(pictures_folder(), name)):
                os.remove(os.path.join(pictures_folder(), name))
        game.wait_for_heap()
        finish(game, "nearly.jps", actions, "finished.bmp")
        finish(game, "nearly.jps", actions, "finished.jpg")

        bmp_path = os.path.join(pictures_folder(), "finished.bmp")
        with open(bmp_path, "rb") as source:
            header = source.read(54)
        assert header[:2] == b"BM" and int.from_bytes(header[28:30], "little") == 24
        assert int.from_bytes(header[2:6], "little") == os.path.getsize(bmp_path)
        with open(os.path.join(pictures_folder(), "finished.jpg"), "rb") as source:
            assert source.read(3) == b"\xff\xd8\xff", "not a JPEG file"
        bmp = read_picture(bmp_path)
        jpeg = read_picture(os.path.join(pictures_folder(), "finished.jpg"))
        assert (bmp.width, bmp.height) == (jpeg.width, jpeg.height)
        assert bmp.width > 200 and bmp.height > 200
        colours = {bmp.pixel(x, y) for x in range(0, bmp.width, 7) for y in range(0, bmp.height, 7)}
        assert len(colours) > 500, "the BMP holds no picture"
        difference = sum(abs(a - b) for a, b in zip(bmp.data, jpeg.data)) / len(bmp.data)
        assert difference < 6, "the JPEG is not the BMP's picture: %.1f" % difference
        game.quit_with_escape()
    finally:
        game.close()


if __name__ == "__main__":
    main(test)
