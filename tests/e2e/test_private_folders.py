"""Ctrl+O and Ctrl+S with remembered play files in a folder the player may no longer enter:
the file choosers open without it, and the game goes on. The game runs as an unprivileged
user (nobody, when the test runs as root), for whom the folder's permissions hold."""

import os
import time

from harness import Game, main, wait_for_board


def unprivileged_start():
    """A prefix that makes the folder "private" beside the program, closed to the player, and
    starts the program as a user whom that binds."""
    setup = ('d=$(dirname "$0"); mkdir -p "$d/private/games"; touch "$d/private/games/old.jps"; '
             'chmod 0 "$d/private"; ')
    if os.geteuid() == 0:
        setup += ('chmod 755 "$d"; chown 65534:65534 "$d" "$d/velmora.ini"; '
                  'exec setpriv --reuid=65534 --regid=65534 --clear-groups "$0"')
    else:
        setup += 'exec "$0"'
    return ("sh", "-c", setup)


def cancel_chooser(game, title):
    """Waits for the file chooser with this title and closes it as its close box would."""
    window = game.find_window(title, seconds=20)
    time.sleep(1)
    game.press_close_box(window)
    game.wait_window_gone(window, title, seconds=10)


def test(binary):
    game = Game(binary, ini="[Quorin_Section]\r\n", prefix=unprivileged_start())
    try:
        wait_for_board(game)
        remembered = os.path.join(game.folder, "private", "games", "old.jps")
        with open(game.ini_path, "a", newline="") as out:
            out.write("gopath=%s\r\ngspath=%s\r\n" % (remembered, remembered))

        for keys, title in (("ctrl+o", "プレイファイルを開く"), ("ctrl+s", "プレイファイルを保存する")):
            game.key(keys)
            cancel_chooser(game, title)
            time.sleep(0.5)
            assert game.process.poll() is None, "the game ended: %s" % game.output()
        game.key("Escape")
        assert game.wait_exit() == 0
    finally:
        os.chmod(os.path.join(game.folder, "private"), 0o700)
        game.close()


main(test)
