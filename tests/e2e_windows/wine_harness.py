"""velmora.exe under Wine on a private Xvfb, driven like the Linux build's end-to-end tests."""

import os
import pwd
import shutil
import subprocess
import tempfile
import time

from harness import Game, wait_for_board

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
# A folder name in Japanese: the program's own path and the settings file beside it cross
# the system calls as UTF-16.
PROGRAM_FOLDER = "ヴェルモラ"


def kept_game_folder():
    """%APPDATA%\\VELMORA of the tests' Wine prefix, where the game in progress is kept."""
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "users",
                        pwd.getpwuid(os.getuid()).pw_name, "AppData", "Roaming", "VELMORA")


def pictures_folder():
    """The Pictures folder of the tests' Wine prefix, where the finished picture's dialog opens
    (linked to a folder of the prefix's own, never the real user's)."""
    return os.path.join(os.environ["WINEPREFIX"], "drive_c", "users",
                        pwd.getpwuid(os.getuid()).pw_name, "Pictures")


class WineGame(Game):
    """The program in a Japanese-named folder of its own, in the tests' Wine prefix. Each game
    starts without a kept game unless `restore` asks for the one the last game left; with
    `catalogs` the message catalogs lie beside the program, as the zip has them."""

    def __init__(self, exe, ini=None, folder_name=PROGRAM_FOLDER,  # pylint: disable=super-init-not-called
                 catalogs=False, language="C.UTF-8", restore=False):
        self.folder = tempfile.mkdtemp(prefix="velmora-wine-")
        self.program_folder = os.path.join(self.folder, folder_name)
        os.mkdir(self.program_folder)
        self.binary = os.path.join(self.program_folder, "velmora.exe")
        shutil.copy(exe, self.binary)
        if catalogs:
            shutil.copytree(os.path.join(os.path.dirname(exe), "locale"),
                            os.path.join(self.program_folder, "locale"))
        self.ini_path = os.path.join(self.program_folder, "velmora.ini")
        if ini is not None:
            with open(self.ini_path, "w", newline="") as out:
                out.write(ini)
        if not restore:
            shutil.rmtree(kept_game_folder(), ignore_errors=True)
        self.display = self._start_xvfb("1280x1024")
        self.env = dict(os.environ, DISPLAY=self.display, WINEDEBUG="-all", LANG=language,
                        WINEDLLOVERRIDES="mscoree,mshtml=", WINEPREFIX=os.environ["WINEPREFIX"])
        self.process = subprocess.Popen([WINE, self.binary], cwd=self.program_folder,
                                        env=self.env, stdout=subprocess.PIPE,
                                        stderr=subprocess.STDOUT)
        self.window = self.find_window("VELMORA", seconds=60)
        self.client_top = None

    def wait_for_heap(self):
        """Waits until the first puzzle's citrus pieces lie on the board and the screen has
        settled (the progress dialog gone); answers the screenshot."""
        wait_for_board(self)
        left, top = self.to_screen(0, 0)
        right, bottom = self.to_screen(990, 640)

        def citrus(pixel):
            return pixel[0] > 180 and 60 < pixel[1] < 210 and pixel[2] < 90

        deadline = time.time() + 40
        last = None
        while time.time() < deadline:
            shot = self.screenshot()
            if last is not None and shot.data == last.data and \
                    shot.count(left, top, right, bottom, citrus) > 5000:
                return shot
            last = shot
            time.sleep(0.7)
        raise AssertionError("the board never settled")

    def board_points(self, shot, wanted, radius, avoid=None):
        """Board points whose square of `radius` around them is all `wanted` pixels (a piece's
        inside, or the empty board), at least 250 pixels from `avoid`; the heap lies where
        the second of the start put it. Points near the edges are left out: a piece picked
        there may lie partly off the board, and the confinement keeps its box inside."""
        for y in range(150, 480, 10):
            for x in range(150, 850, 10):
                if avoid and abs(x - avoid[0]) + abs(y - avoid[1]) < 250:
                    continue
                sx, sy = self.to_screen(x, y)
                if all(wanted(shot.pixel(sx + dx, sy + dy))
                       for dx in range(-radius, radius + 1, 5)
                       for dy in range(-radius, radius + 1, 5)):
                    yield x, y

    def board_point(self, shot, wanted, radius, avoid=None):
        for point in self.board_points(shot, wanted, radius, avoid):
            return point
        raise AssertionError("no such place on the board")

    def pointer_on_board(self):
        """Where the pointer is, in board coordinates (a confinement may have held it back)."""
        values = dict(item.split(":") for item in
                      self.run("xdotool", "getmouselocation").split()[:2])
        return int(values["x"]) - self.client_left, int(values["y"]) - self.client_top

    def windows_path(self, name, folder=None):
        """A file of the program's folder (or another) as the program sees it (Wine's Z:)."""
        return "Z:" + os.path.join(folder or self.program_folder, name).replace("/", "\\")

    def board_rows(self, shot):
        """The board's pixels as the window shows them, row by row."""
        left, top = self.to_screen(0, 0)
        width = shot.width
        return [shot.data[(y * width + left) * 3:(y * width + left + 1000) * 3]
                for y in range(top, top + 640)]

    def answer_dialog(self, title, key="Return"):
        """Presses Enter (or `key`) in the dialog with this title (Enter: its default button)
        and waits until it has gone."""
        dialog = self.find_window(title, seconds=20)
        x, y, width, height = self.window_geometry(dialog)
        self.run("xdotool", "mousemove", str(x + width // 2), str(y + height - 3))
        self.pointer = None
        time.sleep(0.5)
        self.run("xdotool", "key", key)
        self.wait_window_gone(dialog, "the dialog " + title, seconds=10)

    def file_dialog(self, title):
        """Waits for the file dialog with this title; answers its window."""
        dialog = self.find_window(title, seconds=20)
        time.sleep(1.0)  # Wine's dialog takes keys once it has filled its list
        return dialog

    def type_into(self, window, text):
        """Types into the focused control of a dialog: the pointer over it first, as focus
        follows the pointer without a window manager."""
        x, y, width, height = self.window_geometry(window)
        self.run("xdotool", "mousemove", str(x + width // 2), str(y + 8))
        self.pointer = None
        time.sleep(0.3)
        self.run("xdotool", "type", "--delay", "20", text)
        time.sleep(0.3)

    def wait_for_file(self, path, seconds=15):
        deadline = time.time() + seconds
        while time.time() < deadline:
            if os.path.exists(path) and os.path.getsize(path) > 0:
                time.sleep(0.5)  # written through a new file renamed over it; let it settle
                return
            time.sleep(0.1)
        raise AssertionError("no file " + path)

    def quit_with_escape(self):
        """Escape ends the program at once, successfully."""
        self.key("Escape")
        assert self.wait_exit(20) == 0, "the program failed at its end"

    def keep_screenshot(self, name):
        """Keeps what the screen shows as NAME.png in $VELMORA_E2E_SHOTS, when that is set, for
        a look at it."""
        shots = os.environ.get("VELMORA_E2E_SHOTS")
        if shots:
            subprocess.run(["import", "-window", "root", os.path.join(shots, name + ".png")],
                           env=self.env, check=False)

    def close(self):
        # What the screen showed at the end, for a look after a failure.
        self.keep_screenshot("last")
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        subprocess.run([WINESERVER, "-k"], env=self.env, check=False)
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.folder, ignore_errors=True)
