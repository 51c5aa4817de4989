"""Runs the real program under a private Xvfb and looks at it: screenshots, keys, clicks."""

import ctypes
import ctypes.util
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

TEAL = (0, 128, 128)


class Screenshot:
    """An RGB screenshot of the whole screen."""

    def __init__(self, width, height, data):
        self.width = width
        self.height = height
        self.data = data

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.data[i:i + 3])

    def count(self, left, top, right, bottom, predicate):
        hits = 0
        for y in range(max(top, 0), min(bottom, self.height)):
            for x in range(max(left, 0), min(right, self.width)):
                if predicate(self.pixel(x, y)):
                    hits += 1
        return hits

    def bounds_of(self, left, top, right, bottom, predicate):
        """Bounding box (left, top, right, bottom) of the pixels that match, or None."""
        xs, ys = [], []
        for y in range(max(top, 0), min(bottom, self.height)):
            row = y * self.width * 3
            for x in range(max(left, 0), min(right, self.width)):
                i = row + x * 3
                if predicate(tuple(self.data[i:i + 3])):
                    xs.append(x)
                    ys.append(y)
        if not xs:
            return None
        return min(xs), min(ys), max(xs) + 1, max(ys) + 1


def parse_ppm(raw):
    parts = []
    pos = 0
    while len(parts) < 4:
        while raw[pos:pos + 1].isspace():
            pos += 1
        if raw[pos:pos + 1] == b"#":
            pos = raw.index(b"\n", pos) + 1
            continue
        end = pos
        while not raw[end:end + 1].isspace():
            end += 1
        parts.append(raw[pos:end])
        pos = end
    pos += 1
    width, height = int(parts[1]), int(parts[2])
    return Screenshot(width, height, raw[pos:pos + width * height * 3])


def display_holder(number):
    """The process id of the live X server that holds display `number`, or None (a lock left
    by a server that died is stale)."""
    try:
        with open("/tmp/.X%d-lock" % number) as lock:
            pid = int(lock.read().strip())
    except (OSError, ValueError):
        return None
    try:
        os.kill(pid, 0)
    except ProcessLookupError:
        return None
    except PermissionError:
        pass
    return pid


class Game:
    """The program in a temporary folder of its own, on a private X display."""

    def __init__(self, binary, ini=None, env=None, root_colour=None, prefix=(),
                 screen="1280x1024", beside=(), in_place=False):
        self.folder = tempfile.mkdtemp(prefix="velmora-e2e-")
        self.binary = binary if in_place else os.path.join(self.folder, "velmora")
        if not in_place:
            shutil.copy(binary, self.binary)
        # Folders the program finds beside itself as built (the catalogs, the help pages).
        for name in beside:
            shutil.copytree(os.path.join(os.path.dirname(binary), name),
                            os.path.join(self.folder, name))
        self.display = self._start_xvfb(screen)
        self.env = dict(os.environ, DISPLAY=self.display, NO_AT_BRIDGE="1",
                        GSETTINGS_BACKEND="memory", SDL_AUDIODRIVER="dummy",
                        HOME=self.folder, XDG_CONFIG_HOME=os.path.join(self.folder, "config"),
                        XDG_DATA_HOME=os.path.join(self.folder, "data"))
        self.env.update(env or {})
        # A program run from its own folder keeps its settings file beside it; one installed
        # under a prefix (its data in share/velmora) in the configuration folder.
        program_folder = os.path.dirname(self.binary)
        if os.path.isdir(os.path.join(program_folder, "..", "share", "velmora")):
            self.ini_path = os.path.join(self.env["XDG_CONFIG_HOME"], "velmora", "velmora.ini")
        else:
            self.ini_path = os.path.join(program_folder, "velmora.ini")
        if ini is not None:
            os.makedirs(os.path.dirname(self.ini_path), exist_ok=True)
            with open(self.ini_path, "w", newline="") as out:
                out.write(ini)
        # SDL's disk driver writes what is played into the program's folder.
        self.env.setdefault("SDL_DISKAUDIOFILE", os.path.join(self.folder, "audio.raw"))
        if root_colour:
            self.run("xsetroot", "-solid", root_colour)
        self.process = subprocess.Popen([*prefix, self.binary], cwd=self.folder, env=self.env,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.window = self._wait_for_window()
        self.client_top = None

    def _start_xvfb(self, screen):
        for number in range(90, 190):
            if display_holder(number) is not None:
                continue
            display = ":%d" % number
            self.xvfb = subprocess.Popen(
                ["Xvfb", display, "-screen", "0", screen + "x24", "-noreset", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if (os.path.exists("/tmp/.X11-unix/X%d" % number)
                        and display_holder(number) == self.xvfb.pid):
                    time.sleep(0.2)
                    return display
                if self.xvfb.poll() is not None:
                    break
                time.sleep(0.05)
            self.xvfb.terminate()
            self.xvfb.wait()
        raise RuntimeError("no free X display")

    def run(self, *command):
        return subprocess.run(command, env=self.env, check=True, capture_output=True, text=True,
                              timeout=15).stdout

    def _wait_for_window(self):
        return self.find_window("VELMORA", seconds=30)

    def output(self):
        if self.process.poll() is None:
            return ""
        return self.process.stdout.read().decode(errors="replace")

    def screenshot(self):
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], env=self.env,
                             check=True, capture_output=True).stdout
        return parse_ppm(raw)

    def wait_for(self, condition, what, seconds=20):
        deadline = time.time() + seconds
        while time.time() < deadline:
            shot = self.screenshot()
            if condition(shot):
                return shot
            time.sleep(0.2)
        raise AssertionError("timed out waiting for " + what)

    def find_client_top(self, shot, background=TEAL):
        """Screen y of the board's first row: the first background row below the menu bar."""
        x, y, _, height = self.geometry()
        for row in range(y, y + height):
            if shot.pixel(x + 5, row) == background:
                self.client_top = row
                self.client_left = x
                return row
        raise AssertionError("the board background is not on the screen")

    def to_screen(self, x, y):
        return self.client_left + x, self.client_top + y

    def move(self, x, y):
        sx, sy = self.to_screen(x, y)
        # xdotool's --sync waits for the pointer to move, which never happens when it is
        # already there.
        if getattr(self, "pointer", None) != (sx, sy):
            self.run("xdotool", "mousemove", "--sync", str(sx), str(sy))
            self.pointer = (sx, sy)

    def click(self, x, y, button=1):
        self.move(x, y)
        self.run("xdotool", "click", str(button))

    def key(self, *keys):
        # Keyboard focus follows the pointer without a window manager.
        if self.client_top is not None:
            self.move(500, 300)
        for key in keys:
            self.run("xdotool", "key", key)

    def find_window(self, name, seconds=10):
        """The id of the visible window with this exact title, waiting for it to appear."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            if self.process.poll() is not None:
                raise AssertionError("the program ended: %s" % self.output())
            found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % name],
                                   env=self.env, capture_output=True, text=True).stdout.split()
            if found:
                return found[0]
            time.sleep(0.1)
        raise AssertionError("no %s window appeared" % name)

    def wait_window_gone(self, window, what, seconds=20):
        """Waits until the window has left the screen; fails naming `what` if it stays."""
        deadline = time.time() + seconds
        while self.window_shown(window):
            if time.time() > deadline:
                raise AssertionError(what + " stayed open")
            time.sleep(0.1)

    def window_shown(self, window):
        """Whether the window is still mapped on the screen."""
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "."],
                               env=self.env, capture_output=True, text=True).stdout.split()
        return window in found

    def window_geometry(self, window):
        """Position and size of a window on the screen."""
        values = {}
        for line in self.run("xdotool", "getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def geometry(self):
        """Position and size of the main window on the screen."""
        return self.window_geometry(self.window)

    def press_close_box(self, window):
        """Asks the window to close as a window manager's close box does (WM_DELETE_WINDOW)."""
        send_delete_window(self.display, int(window))

    def wait_exit(self, seconds=10):
        try:
            return self.process.wait(timeout=seconds)
        except subprocess.TimeoutExpired:
            raise AssertionError("the program did not end")

    def settings(self):
        """The settings file's lines, as written."""
        with open(self.ini_path, newline="") as source:
            return source.read().splitlines()

    def close(self):
        if self.process.poll() is None:
            self.process.send_signal(signal.SIGTERM)
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
        # Terminated, not killed, so that the server removes its lock and socket.
        self.xvfb.terminate()
        self.xvfb.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def send_delete_window(display, window):
    """Sends the WM_PROTOCOLS/WM_DELETE_WINDOW client message that a close box sends (there is
    no window manager to send it, and xdotool only destroys or kills)."""
    xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = xlib.XOpenDisplay(display.encode())
    if not connection:
        raise AssertionError("cannot open display " + display)
    event = _Event()
    event.client.type = 33  # ClientMessage
    event.client.window = window
    event.client.message_type = xlib.XInternAtom(connection, b"WM_PROTOCOLS", 0)
    event.client.format = 32
    event.client.data[0] = xlib.XInternAtom(connection, b"WM_DELETE_WINDOW", 0)
    event.client.data[1] = 0  # CurrentTime
    xlib.XSendEvent(connection, window, 0, 0, ctypes.byref(event))
    xlib.XFlush(connection)
    xlib.XCloseDisplay(connection)


def play_moves(game, moves):
    """Plays the solver's moves ("move X Y", "left X Y", "right X Y", in board points)."""
    for move in moves:
        action, x, y = move.split()
        if action == "move":
            game.move(int(x), int(y))
        else:
            game.click(int(x), int(y), button=3 if action == "right" else 1)


def shown_texts_env(log):
    """Variables that make the program write down every window title and label it shows, in
    the file `log` (read it with shown_texts)."""
    return {"GTK_MODULES": os.environ["VELMORA_SHOWN_TEXTS_MODULE"], "VELMORA_SHOWN_TEXTS": log}


def shown_texts(log):
    """The titles and labels written down so far, in the order they were shown."""
    with open(log, encoding="utf-8") as source:
        return [line.rstrip("\n").split("\t", 1)[1] for line in source if "\t" in line]


def is_background(colour):
    return lambda pixel: pixel == colour


def not_background(colour):
    return lambda pixel: pixel != colour


def main(test):
    """Runs one test function with the program's path; exit status 0 when it passes."""
    binary = sys.argv[1]
    try:
        test(binary)
    except AssertionError as failure:
        print("FAILED:", failure)
        sys.exit(1)
    print("passed")


def at_fixed_time(when):
    """Game arguments that stop the program's clock at `when` ("2026-01-01 00:00:00"), whatever
    its start-up costs, so that the layout of every build, which follows from the second it is
    made in, is the same on every run. The monotonic clock runs on for the toolkit's timers."""
    return {"prefix": ["faketime", "-f", when], "env": {"FAKETIME_DONT_FAKE_MONOTONIC": "1"}}


def wait_for_board(game, background=TEAL):
    """Waits for the first puzzle's heap on the board; answers the screenshot."""
    shot = game.wait_for(lambda s: s.count(0, 0, 1000, 700, not_background(background)) > 40000
                         and s.pixel(5, 650) == background, "the first puzzle on the board")
    game.find_client_top(shot, background)
    return shot


def solid_piece_point(game, shot, background=TEAL):
    """A board point inside some piece, well away from the piece's edges."""
    for y in range(200, 450, 10):
        for x in range(300, 700, 10):
            sx, sy = game.to_screen(x, y)
            if all(shot.pixel(sx + dx, sy + dy) != background
                   for dx in range(-12, 13, 4) for dy in range(-12, 13, 4)):
                return x, y
    raise AssertionError("no piece found on the board")


def region(game, shot, x, y, radius):
    sx, sy = game.to_screen(x, y)
    return [shot.pixel(sx + dx, sy + dy) for dy in range(-radius, radius + 1, 2)
            for dx in range(-radius, radius + 1, 2)]
