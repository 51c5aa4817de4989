#!/usr/bin/env python3
"""Start-up to first painted frame of the game, as a ratio to a minimal GTK window painting
once; both run in turn on a private Xvfb, in the same run.

Usage: startup_bench.py BUILD_DIR [RUNS]"""

import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

TEAL = (0, 128, 128)
PROBE = (500, 650)  # board background in both windows, below the heap


class Probe:
    """Reads single screen pixels straight from the X server."""

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
        self.root = self.x11.XDefaultRootWindow(self.display)

    def pixel(self, x, y):
        image = self.x11.XGetImage(self.display, self.root, x, y, 1, 1, 0xFFFFFFFF, 2)
        value = self.x11.XGetPixel(image, 0, 0)
        return (value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF


def time_to_paint(command, env, probe, folder):
    """Seconds from the start of `command` until the probe point shows the board colour."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, cwd=folder,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.perf_counter() - start < 30:
            if probe.pixel(*PROBE) == TEAL:
                return time.perf_counter() - start
            time.sleep(0.001)
        raise RuntimeError("%s painted nothing" % command[0])
    finally:
        process.terminate()
        process.wait()
        # Let the screen go back to black before the next run.
        while probe.pixel(*PROBE) == TEAL:
            time.sleep(0.005)


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    display = ":173"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-noreset",
                             "-nolisten", "tcp"], stderr=subprocess.DEVNULL)
    folder = tempfile.mkdtemp(prefix="velmora-bench-")
    try:
        time.sleep(1)
        shutil.copy(os.path.join(build, "velmora"), folder)
        env = dict(os.environ, DISPLAY=display, NO_AT_BRIDGE="1", SDL_AUDIODRIVER="dummy")
        probe = Probe(display)
        game, minimal = [], []
        for _ in range(runs):
            game.append(time_to_paint([os.path.join(folder, "velmora")], env, probe, folder))
            minimal.append(time_to_paint([os.path.join(build, "bench", "velmora_minimal_window")],
                                         env, probe, folder))
        game_median = statistics.median(game)
        minimal_median = statistics.median(minimal)
        print("start-up to first frame: game %.1f ms, minimal GTK window %.1f ms (medians of %d)"
              % (game_median * 1000, minimal_median * 1000, runs))
        print("ratio_to_minimal_window %.2f" % (game_median / minimal_median))
    finally:
        xvfb.terminate()
        shutil.rmtree(folder, ignore_errors=True)


main()
