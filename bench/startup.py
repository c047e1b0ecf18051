#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times whole start-ups of the program against a bare Qt Widgets window, and
reads their peak memory.

Both end once their first window is shown. They run on two platforms: Qt's
offscreen one, and X11 on a virtual display (Xvfb) of this script's own, with
a D-Bus session bus of its own, as on a desktop. Runs alternate so that both
see the same machine. Prints the medians of time and peak resident memory for
each, and the ratios.

    bench/startup.py BUILD_DIR [RUNS] [PLATFORM...]

PLATFORM is offscreen or xcb; both when none is given.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from platforms import environment_for


def run_once(path, env):
    """Wall time in seconds and peak resident memory in MiB of one run."""
    start = time.perf_counter()
    process = subprocess.Popen([path], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        raise SystemExit(f"{path} ended with status {process.returncode}")
    return elapsed, usage.ru_maxrss / 1024


def measure(programs, env, runs):
    results = {name: ([], []) for name in programs}
    for round_number in range(runs + 2):  # the first two warm the file cache
        for name, path in programs.items():
            elapsed, memory = run_once(path, env)
            if round_number >= 2:
                results[name][0].append(elapsed * 1000)
                results[name][1].append(memory)
    return {name: (statistics.median(t), statistics.median(m))
            for name, (t, m) in results.items()}


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    platforms = sys.argv[3:] or ["offscreen", "xcb"]
    programs = {
        "bare Qt Widgets window": os.path.join(build, "bench", "startup_bare"),
        "Asterine": os.path.join(build, "bench", "startup_asterine"),
    }
    with tempfile.TemporaryDirectory() as home:
        base = dict(os.environ, XDG_CONFIG_HOME=os.path.join(home, "config"),
                    XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
        os.makedirs(base["XDG_RUNTIME_DIR"], mode=0o700)
        for platform in platforms:
            env, desktop = environment_for(platform, base)
            try:
                medians = measure(programs, env, runs)
            finally:
                if desktop:
                    desktop.close()
            print(f"{platform}:")
            for name, (elapsed, memory) in medians.items():
                print(f"  {name}: median {elapsed:.1f} ms, peak memory {memory:.1f} MiB "
                      f"over {runs} runs")
            bare = medians["bare Qt Widgets window"]
            ours = medians["Asterine"]
            print(f"  ratio: time {ours[0] / bare[0]:.2f}, peak memory {ours[1] / bare[1]:.2f}")


if __name__ == "__main__":
    main()
