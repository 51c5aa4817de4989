"""Reads single screen pixels straight from an X server, fast enough to poll every millisecond
for a program's first painted frame."""

import ctypes
import os
import subprocess
import time


def start_xvfb():
    """A private 1280 x 1024 Xvfb on a display number it picks itself among the free ones, so
    that two runs at once never meet; answers the server and its display name."""
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24",
                               "-noreset", "-nolisten", "tcp"], stderr=subprocess.DEVNULL,
                              pass_fds=(write,))
    os.close(write)
    with os.fdopen(read) as answer:
        number = answer.readline().strip()
    if not number:
        server.kill()
        raise RuntimeError("Xvfb did not start")
    return server, ":" + number


class Probe:
    """The root window of one X display."""

    def __init__(self, display):
        self.x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x11.XGetImage.restype = ctypes.c_void_p
        self.x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                       ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x11.XGetPixel.restype = ctypes.c_ulong
        self.x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError("cannot open display " + display)
        self.root = self.x11.XDefaultRootWindow(self.display)

    def pixel(self, x, y):
        """The (red, green, blue) of the screen at (x, y)."""
        image = self.x11.XGetImage(self.display, self.root, x, y, 1, 1, 0xFFFFFFFF, 2)
        value = self.x11.XGetPixel(image, 0, 0)
        return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF

    def wait_for(self, point, colour, seconds):
        """Whether the screen at `point` shows `colour` within `seconds`, looked at every
        millisecond."""
        end = time.perf_counter() + seconds
        while time.perf_counter() < end:
            if self.pixel(*point) == colour:
                return True
            time.sleep(0.001)
        return False

    def wait_while(self, point, colour):
        """Waits as long as the screen at `point` shows `colour` (a window going away)."""
        while self.pixel(*point) == colour:
            time.sleep(0.005)
