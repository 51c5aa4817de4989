"""The About box's link on a desktop with no program that shows web pages (nothing for HTML,
or only a text editor run in a terminal): a message box says where the help page is."""

import os
import shutil
import tempfile
import time

from harness import Game, main, shown_texts, shown_texts_env, wait_for_board

EDITOR = ("[Desktop Entry]\nType=Application\nName=Editor\nMimeType=text/html;\n"
          "Terminal=true\nExec=true %f\n")


def desktop(home, with_editor):
    """Application folders holding at most the terminal editor, chosen for HTML."""
    data = os.path.join(home, "data")
    applications = os.path.join(data, "applications")
    os.makedirs(applications)
    config = os.path.join(home, "config")
    os.makedirs(config)
    if with_editor:
        with open(os.path.join(applications, "editor.desktop"), "w") as entry:
            entry.write(EDITOR)
        with open(os.path.join(config, "mimeapps.list"), "w") as defaults:
            defaults.write("[Default Applications]\ntext/html=editor.desktop\n")
    return {"XDG_DATA_HOME": data, "XDG_DATA_DIRS": data, "XDG_CONFIG_HOME": config,
            "XDG_CONFIG_DIRS": config, "BROWSER": "", "LANGUAGE": "", "LC_ALL": "C.UTF-8"}


def told_where(binary, with_editor):
    home = tempfile.mkdtemp(prefix="velmora-help-%d-" % os.getpid())
    log = os.path.join(home, "shown.txt")
    game = Game(binary, beside=("help",),
                env=dict(shown_texts_env(log), **desktop(home, with_editor)))
    try:
        wait_for_board(game)
        game.key("alt+h", "Return")
        about = game.find_window("「ヴェルモラ」のバージョン情報", seconds=20)
        x, y, width, height = game.window_geometry(about)
        # The link button: (63, 30, 100, 14) in the About box's 202 x 81 dialog units.
        game.run("xdotool", "mousemove", str(x + (63 + 50) * width // 202),
                 str(y + (30 + 7) * height // 81), "click", "1")
        game.find_window("エラー", seconds=20)
        page = os.path.join(game.folder, "help", "index.ja.html")
        expected = "ヘルプのページを表示できませんでした。ページの場所:\\n" + page
        deadline = time.time() + 10
        while expected not in shown_texts(log) and time.time() < deadline:
            time.sleep(0.2)
        assert expected in shown_texts(log), shown_texts(log)
    finally:
        game.close()
        shutil.rmtree(home, ignore_errors=True)


def test(binary):
    told_where(binary, with_editor=True)
    told_where(binary, with_editor=False)


main(test)
