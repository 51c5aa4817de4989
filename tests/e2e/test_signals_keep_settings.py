"""SIGTERM, SIGINT and SIGHUP end the game through its normal shut-down: a setting changed
during the game (sound switched off) is in the settings file afterwards, and so is the window's
place, as the Exit command keeps it. A dialog or file chooser open at the time (Ctrl+N, Ctrl+O,
the chooser over the Ctrl+N dialog) ends at once, and the game in progress is kept too. When
the X server goes away the game ends with status 1, but it still writes its settings (the
window's place as it was at the start)."""

import os
import signal
import time

from file_chooser import chooser, open_picture_chooser
from harness import Game, main, wait_for_board
from kept_board import entry_record, library_folder


def ends_keeping_settings(binary, end, status, place, open_dialog=None):
    game = Game(binary)
    try:
        wait_for_board(game)
        game.key("alt+s", "u", "v")  # 設定 > 効果音 > ON: sound off
        game.run("xdotool", "windowmove", "--sync", game.window, "40", "30")
        time.sleep(1.0)
        if open_dialog:
            open_dialog(game)
            time.sleep(0.5)
        end(game)
        # Ended at once, not when the dialog would have been closed.
        assert game.wait_exit(seconds=5) == status, game.output()
        for line in ("Sound  =0", "X1  =%d" % place[0], "Y1  =%d" % place[1]):
            assert line in game.settings(), (line, game.settings())
        library = library_folder(os.path.join(game.folder, "data", "velmora"))
        assert entry_record(library).count > 0
    finally:
        game.close()


def test(binary):
    for signal_number in (signal.SIGTERM, signal.SIGINT, signal.SIGHUP):
        ends_keeping_settings(binary, lambda game: game.process.send_signal(signal_number), 0,
                              (40, 30))
    dialogs = (lambda game: (game.key("ctrl+n"), game.find_window("画像からパズルを作る")),
               lambda game: (game.key("ctrl+o"), chooser(game, "プレイファイルを開く")),
               open_picture_chooser)
    for open_dialog in dialogs:
        for signal_number in (signal.SIGTERM, signal.SIGHUP):
            ends_keeping_settings(binary, lambda game: game.process.send_signal(signal_number),
                                  0, (40, 30), open_dialog)
    ends_keeping_settings(binary, lambda game: game.xvfb.terminate(), 1, (0, 0))


main(test)
