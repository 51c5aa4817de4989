#!/usr/bin/env python3
"""Start-up to the first painted frame of velmora.exe under Wine, as a ratio to a minimal Win32
window painting once under the same Wine; both run in turn on a private Xvfb, in the same run.
The Wine prefix is made once (and kept in the build folder) and its server stays up for the
whole run, so that each start is measured, not the prefix's making. Every start of the game
builds the first puzzle afresh (no game kept in %APPDATA%\\VELMORA), as a first start does.

Usage: startup_bench.py BUILD_WINDOWS_DIR [RUNS]"""

import glob
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
from x11_probe import Probe, start_xvfb  # noqa: E402  pylint: disable=wrong-import-position

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver64"
TEAL = (0, 128, 128)
PROBE = (500, 650)  # board background in both windows, below the heap
# The game's window where the minimal one is, at the screen's top left and as large.
SETTINGS = "[Quorin_Section]\r\nX1  =0\r\nY1  =0\r\nX2  =1000\r\nY2  =700\r\n"


def time_to_paint(command, env, probe, folder):
    """Seconds from the start of `command` until the probe point shows the board colour."""
    start = time.perf_counter()
    process = subprocess.Popen([WINE, command], env=env, cwd=folder,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        if not probe.wait_for(PROBE, TEAL, 60):
            raise RuntimeError("%s painted nothing" % command)
        return time.perf_counter() - start
    finally:
        process.kill()
        process.wait()
        # Let the screen go back to black before the next run.
        probe.wait_while(PROBE, TEAL)


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    xvfb, display = start_xvfb()
    folder = tempfile.mkdtemp(prefix="velmora-wine-bench-")
    # A prefix of the run's own, so that its wineserver is no other run's.
    prefix = os.path.join(folder, "wineprefix")
    env = dict(os.environ, DISPLAY=display, WINEDEBUG="-all", WINEPREFIX=prefix,
               WINEDLLOVERRIDES="mscoree,mshtml=")
    try:
        time.sleep(1)
        game = os.path.join(folder, "velmora.exe")
        shutil.copy(os.path.join(build, "velmora.exe"), game)
        minimal = os.path.join(build, "bench", "wine", "velmora_minimal_window.exe")
        # A server that stays up between the starts, then the prefix made (or brought up).
        os.makedirs(prefix, exist_ok=True)
        subprocess.run([WINESERVER, "-p"], env=env, check=True)
        subprocess.run([WINE, "wineboot.exe", "--init"], env=env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        probe = Probe(display)
        kept_games = os.path.join(prefix, "drive_c", "users", "*", "AppData", "Roaming",
                                  "VELMORA")

        def start_game():
            for kept in glob.glob(kept_games):
                shutil.rmtree(kept)
            with open(os.path.join(folder, "velmora.ini"), "w", newline="") as out:
                out.write(SETTINGS)
            return time_to_paint(game, env, probe, folder)

        # One start of each, untimed, brings Wine's own files into the page cache.
        start_game()
        time_to_paint(minimal, env, probe, folder)
        game_times, minimal_times = [], []
        for _ in range(runs):
            game_times.append(start_game())
            minimal_times.append(time_to_paint(minimal, env, probe, folder))
        game_median = statistics.median(game_times)
        minimal_median = statistics.median(minimal_times)
        print("start-up to first frame under Wine: game %.1f ms, minimal Win32 window %.1f ms "
              "(medians of %d)" % (game_median * 1000, minimal_median * 1000, runs))
        print("ratio_to_minimal_window %.2f" % (game_median / minimal_median))
    finally:
        subprocess.run([WINESERVER, "-k"], env=env, check=False)
        xvfb.terminate()
        shutil.rmtree(folder, ignore_errors=True)


main()
