"""The game in the desktop's language: under LANG=en_US.UTF-8 the menus, the About box, the
completion dialogs, the save dialog, its overwrite question and a message box are English;
without a locale they show the Japanese texts as they stand. The texts are read from the
widgets as they are mapped (a GTK module writes them down)."""

import os
import re
import subprocess
import sys
import tempfile
import time

from harness import Game, main, play_moves, shown_texts, shown_texts_env, wait_for_board

START = "2026-01-01 00:00:00"
START_SECONDS = 1767225600
SOLVER = sys.argv[2]
JAPANESE = re.compile(r"[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]")

ENGLISH = {
    "menus": ["_File", "E_xit", "_Edit", "_Swap Top and Bottom", "_Settings", "_Background",
              "_Choose Colour...", "_Transparent", "Sound _Effects", "_On", "_Help",
              "_About VELMORA", "_Gather Edge Pieces", "Spread _Pieces"],
    "about": "About VELMORA", "about texts": ["Open the Help Page", "OK"],
    "complete": "Complete", "message": "Puzzle Message",
    "picture": "Finished Picture",
    "picture texts": ["Save the finished puzzle (no wallpaper).", "Do nothing."],
    "panel": "Glue and Frame",
    "panel texts": ["Glue", "Glue the pieces together", "Frame", "Gold frame"],
    "save": "Save Finished Picture", "save texts": ["_Save", "Cancel"],
    "question": "Confirm Save As",
    "question texts": ["_Yes", "_No", "taken.bmp already exists.\\nDo you want to replace it?"],
    "error": "Error", "error texts": ["Cannot save with this extension (use .bmp or .jpg)."],
}
JAPANESE_TEXTS = {
    "menus": ["ファイル(_F)", "終了(_X)", "編集(_E)", "ピースの上下入れ替え(_U)", "設定(_S)",
              "背景色(_T)", "色指定(_P)", "透明[WinXP/2000/Vista](_S)", "効果音(_U)", "ON(_V)",
              "ヘルプ(_H)", "バージョン情報(_V)", "端のピースを集める(_G)", "ピースを広げる(_W)"],
    "about": "「ヴェルモラ」のバージョン情報", "about texts": ["CLICK  TO JUMP", "OK"],
    "complete": "完成", "message": "添付メッセージ",
    "picture": "完成パズル画像",
    "picture texts": ["完成パズルを保存します。（壁紙には設定しない）", "なにもしない。"],
    "panel": "PANEL",
    "panel texts": ["糊付け", "完成パズルを糊付けします", "パネル選択", "パネル（ゴールド）選択"],
    "save": "完成画像を保存する", "save texts": ["保存", "キャンセル"],
    "question": "名前を付けて保存の確認",
    "question texts": ["はい(_Y)", "いいえ(_N)", "taken.bmp は既に存在します。\\n上書きしますか?"],
    "error": "エラー", "error texts": ["この拡張子では保存できません（.bmp か .jpg）"],
}


def answer(game, title, key):
    """Waits for the window with this title and gives it a key (focus follows the pointer)."""
    window = game.find_window(re.escape(title), seconds=20)
    x, y, width, height = game.window_geometry(window)
    game.run("xdotool", "mousemove", str(x + width // 2), str(y + height - 4))
    game.pointer = None
    time.sleep(0.3)
    game.run("xdotool", "key", key)


def wait_shown(log, text):
    """Waits for a text to be shown, then a moment more for its window to take input."""
    deadline = time.time() + 5
    while text not in shown_texts(log) and time.time() < deadline:
        time.sleep(0.1)
    time.sleep(0.7)


def open_menus(game, log, items):
    """Opens each menu and submenu until its first item is shown, closing it with a click on
    the screen below the window (Escape would end the game); the last one opens the About
    box."""
    _, y, _, height = game.geometry()
    for keys, item in ((["alt+f"], items[1]), (["alt+e"], items[3]),
                       (["alt+s", "Right"], items[6]), (["alt+s", "Down", "Right"], items[9])):
        for key in keys:
            game.key(key)
            time.sleep(0.3)
        wait_shown(log, item)
        game.run("xdotool", "mousemove", "20", str(y + height + 10), "click", "1")
        game.pointer = None
        time.sleep(0.5)
    game.key("alt+h")
    wait_shown(log, items[11])
    game.key("Return")


def type_name(game, title, name):
    """Types a name into the save dialog and presses Enter until the dialog answers."""
    chooser = game.find_window(re.escape(title), seconds=20)
    x, y, width, _ = game.window_geometry(chooser)
    time.sleep(0.8)
    game.run("xdotool", "mousemove", str(x + width // 2), str(y + 20))
    game.run("xdotool", "key", "ctrl+a")
    game.run("xdotool", "type", "--delay", "10", os.path.join(game.folder, name))
    time.sleep(0.5)
    game.run("xdotool", "key", "Return")


def play(binary, moves, locale, texts):
    """Opens every menu and the About box, finishes the first puzzle and walks through the
    completion dialogs; answers every text shown. The program gets only the `locale`
    variables; xdotool reads the windows' titles in UTF-8."""
    descriptor, log = tempfile.mkstemp(prefix="velmora-shown-")
    os.close(descriptor)
    # The window leaves a strip of the screen free below it, to click menus closed.
    game = Game(binary, ini="[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =1280\r\nY2  =960\r\n",
                prefix=["env", *("%s=%s" % pair for pair in locale.items()),
                        "faketime", "-f", START], beside=["locale"],
                env=dict(shown_texts_env(log), LC_ALL="C.UTF-8", FAKETIME_DONT_FAKE_MONOTONIC="1"))
    try:
        wait_for_board(game)
        open_menus(game, log, texts["menus"])
        answer(game, texts["about"], "Return")
        play_moves(game, moves)
        answer(game, texts["complete"], "Return")
        answer(game, texts["message"], "Return")
        answer(game, texts["picture"], "Return")
        answer(game, texts["panel"], "Return")
        open(os.path.join(game.folder, "taken.bmp"), "wb").close()
        type_name(game, texts["save"], "taken.bmp")
        answer(game, texts["question"], "Escape")
        type_name(game, texts["save"], "picture.txt")
        answer(game, texts["error"], "Return")
        # A refused name brings the save dialog back with the name as typed.
        answer(game, texts["save"], "Escape")
        game.key("Escape")
        game.wait_exit()
        return shown_texts(log)
    finally:
        game.close()
        os.remove(log)


def test(binary):
    moves = subprocess.run([SOLVER, str(START_SECONDS), "1280", "960"], check=True,
                           capture_output=True, text=True).stdout.splitlines()
    # No language at all; only the character set is UTF-8, as GTK under a plain C locale names
    # its windows in a way xdotool cannot read back.
    unset = {"LANGUAGE": "", "LC_ALL": "", "LC_MESSAGES": "", "LANG": "", "LC_CTYPE": "C.UTF-8"}
    for locale, texts, foreign in ((dict(unset, LANG="en_US.UTF-8", LC_CTYPE=""), ENGLISH,
                                    JAPANESE_TEXTS),
                                   (unset, JAPANESE_TEXTS, ENGLISH)):
        shown = play(binary, moves, locale, texts)
        for key, expected in texts.items():
            for text in expected if isinstance(expected, list) else [expected]:
                assert text in shown, "%s: %r not shown in %s" % (locale["LANG"], text, shown)
        for key, unexpected in foreign.items():
            for text in unexpected if isinstance(unexpected, list) else [unexpected]:
                assert text not in shown or text == "OK", "%r shown" % text
        if texts is ENGLISH:
            untranslated = [text for text in shown if JAPANESE.search(text)]
            assert not untranslated, "untranslated: %s" % untranslated


main(test)
