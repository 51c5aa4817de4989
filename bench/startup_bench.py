#!/usr/bin/env python3
"""Start-up to first painted frame of the game, as a ratio to a minimal GTK window with the
game's menu bar painting once, the game's resident memory with the first puzzle on the board,
and quitting (the quit message from SIGTERM, as from Escape, with the game in progress
kept) to the process's exit, as a ratio to the minimal window's; both run in turn on a private
Xvfb, in the same run.

Usage: startup_bench.py BUILD_DIR [RUNS]"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from x11_probe import Probe, start_xvfb  # noqa: E402  pylint: disable=wrong-import-position

TEAL = (0, 128, 128)
PROBE = (500, 650)  # board background in both windows, below the heap
MEMORY_WAIT = 0.3  # seconds after the first frame before the resident size is read


def resident_kilobytes(pid):
    """VmRSS and VmHWM of a running process, in kB."""
    fields = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            name, _, value = line.partition(":")
            if name in ("VmRSS", "VmHWM"):
                fields[name] = int(value.split()[0])
    return fields["VmRSS"], fields["VmHWM"]


def time_to_paint(command, env, probe, folder, quits, memory):
    """Seconds from the start of `command` until the probe point shows the board colour; the
    seconds from the request to quit to the process's exit are added to `quits`, the resident
    size a moment after the first frame to `memory`."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, cwd=folder,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        if not probe.wait_for(PROBE, TEAL, 30):
            raise RuntimeError("%s painted nothing" % command[0])
        painted = time.perf_counter() - start
        time.sleep(MEMORY_WAIT)
        memory.append(resident_kilobytes(process.pid))
        return painted
    finally:
        asked = time.perf_counter()
        process.terminate()
        process.wait()
        quits.append(time.perf_counter() - asked)
        # Let the screen go back to black before the next run.
        probe.wait_while(PROBE, TEAL)


def main():
    build = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    xvfb, display = start_xvfb()
    folder = tempfile.mkdtemp(prefix="velmora-bench-")
    try:
        time.sleep(1)
        shutil.copy(os.path.join(build, "velmora"), folder)
        # The game keeps its game in progress in the run's own folder, not the user's.
        env = dict(os.environ, DISPLAY=display, NO_AT_BRIDGE="1", SDL_AUDIODRIVER="dummy",
                   XDG_DATA_HOME=os.path.join(folder, "data"))
        probe = Probe(display)
        game, minimal, game_quits, minimal_quits = [], [], [], []
        game_memory, minimal_memory = [], []
        for _ in range(runs):
            # Each start builds the first puzzle, as a first start does.
            shutil.rmtree(os.path.join(folder, "data"), ignore_errors=True)
            game.append(time_to_paint([os.path.join(folder, "velmora")], env, probe, folder,
                                      game_quits, game_memory))
            minimal.append(time_to_paint([os.path.join(build, "bench", "velmora_minimal_window")],
                                         env, probe, folder, minimal_quits, minimal_memory))
        game_median = statistics.median(game)
        minimal_median = statistics.median(minimal)
        print("start-up to first frame: game %.1f ms, minimal GTK window %.1f ms (medians of %d)"
              % (game_median * 1000, minimal_median * 1000, runs))
        print("ratio_to_minimal_window %.2f" % (game_median / minimal_median))
        for name, samples in (("game", game_memory), ("minimal_window", minimal_memory)):
            rss = statistics.median(sample[0] for sample in samples) / 1024
            hwm = statistics.median(sample[1] for sample in samples) / 1024
            print("memory_%s_vmrss_mb %.1f" % (name, rss))
            print("memory_%s_vmhwm_mb %.1f" % (name, hwm))
        game_quit = statistics.median(game_quits)
        minimal_quit = statistics.median(minimal_quits)
        print("quit to exit, the game kept: game %.1f ms, minimal GTK window %.1f ms"
              % (game_quit * 1000, minimal_quit * 1000))
        print("quit_ratio_to_minimal_window %.2f" % (game_quit / minimal_quit))
    finally:
        xvfb.terminate()
        shutil.rmtree(folder, ignore_errors=True)


main()
