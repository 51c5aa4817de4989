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
BLACK = (0, 0, 0)
PROBE = (500, 650)  # board background in both windows, below the heap
MEMORY_WAIT = 0.3  # seconds after the first frame before the resident size is read
ZOOM_WAIT = 3.0  # seconds after a zoom key before the resident size is read
PICTURE = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "resources",
                       "pictures", "166-paint-brushes.jpg")


def resident_kilobytes(pid):
    """VmRSS and VmHWM of a running process, in kB."""
    fields = {}
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            name, _, value = line.partition(":")
            if name in ("VmRSS", "VmHWM"):
                fields[name] = int(value.split()[0])
    return fields["VmRSS"], fields["VmHWM"]


def time_to_paint(command, env, probe, folder, quits, memory, colour=TEAL):
    """Seconds from the start of `command` until the probe point shows `colour` (the board's);
    the seconds from the request to quit to the process's exit are added to `quits`, the
    resident size a moment after the first frame to `memory`."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, cwd=folder,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        if not probe.wait_for(PROBE, colour, 30):
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
        probe.wait_while(PROBE, colour)


def settled_colour(probe, seconds=30):
    """The colour the probe point settles on once something is painted there: not black and
    unchanged for two seconds."""
    end = time.perf_counter() + seconds
    colour, since = BLACK, time.perf_counter()
    while time.perf_counter() < end:
        now = probe.pixel(*PROBE)
        if now != colour:
            colour, since = now, time.perf_counter()
        elif colour != BLACK and time.perf_counter() - since > 2:
            return colour
        time.sleep(0.01)
    raise RuntimeError("the kept game painted nothing")


def zoomed_memory(command, env, probe, folder):
    """The colour the kept game shows at the probe point, and the game's (VmRSS, VmHWM) with
    it at 100 %, after zooming out four levels (to 25 %, or to the whole board when that is
    larger) and after zooming in to 200 %."""
    process = subprocess.Popen(command, env=env, cwd=folder,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        colour = settled_colour(probe)
        memory = {"100": resident_kilobytes(process.pid)}
        window = subprocess.check_output(["xdotool", "search", "--sync", "--onlyvisible",
                                          "--pid", str(process.pid)], env=env).split()[0]
        for level, keys in (("25", ["ctrl+minus"] * 4),
                            ("200", ["ctrl+0", "ctrl+equal", "ctrl+equal"])):
            for key in keys:
                subprocess.run(["xdotool", "windowfocus", "--sync", window, "key", key],
                               env=env, check=True)
                time.sleep(0.2)
            time.sleep(ZOOM_WAIT)
            memory[level] = resident_kilobytes(process.pid)
        return colour, memory
    finally:
        process.terminate()
        process.wait()
        while probe.pixel(*PROBE) != BLACK:
            time.sleep(0.005)


def kept_game_runs(build, folder, env, probe, runs):
    """Start-up seconds with a kept 1000-piece game (a fresh copy of it before each start),
    and its memory at three levels; None without the program that writes the game."""
    maker = os.path.join(build, "bench", "velmora_make_kept_game")
    if not os.path.exists(maker):
        return None
    kept = os.path.join(folder, "kept")
    subprocess.run([maker, PICTURE, os.path.join(kept, "velmora")], check=True,
                   stdout=subprocess.DEVNULL)
    data = os.path.join(folder, "data")
    command = [os.path.join(folder, "velmora")]

    def fresh_copy():
        shutil.rmtree(data, ignore_errors=True)
        shutil.copytree(kept, data)

    fresh_copy()
    colour, memory = zoomed_memory(command, env, probe, folder)
    starts, quits, first_frames = [], [], []
    for _ in range(runs):
        fresh_copy()
        starts.append(time_to_paint(command, env, probe, folder, quits, first_frames, colour))
    return starts, memory


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
        kept = kept_game_runs(build, folder, env, probe, runs)
        if kept:
            kept_median = statistics.median(kept[0])
            print("start-up with a kept 1000-piece game %.1f ms (median of %d)"
                  % (kept_median * 1000, runs))
            print("kept_1000_ratio_to_first_puzzle %.2f" % (kept_median / game_median))
            for level, (rss, hwm) in kept[1].items():
                print("memory_kept_1000_%s_vmrss_mb %.1f" % (level, rss / 1024))
                print("memory_kept_1000_%s_vmhwm_mb %.1f" % (level, hwm / 1024))
        game_quit = statistics.median(game_quits)
        minimal_quit = statistics.median(minimal_quits)
        print("quit to exit, the game kept: game %.1f ms, minimal GTK window %.1f ms"
              % (game_quit * 1000, minimal_quit * 1000))
        print("quit_ratio_to_minimal_window %.2f" % (game_quit / minimal_quit))
    finally:
        xvfb.terminate()
        shutil.rmtree(folder, ignore_errors=True)


main()
