#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times whole start-ups of the program against a bare Qt Widgets window.

Both run on the offscreen platform and end once their first window is shown;
runs alternate so that both see the same machine. Prints both medians and
their ratio.

    bench/startup.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    programs = {
        "bare Qt Widgets window": os.path.join(build, "bench", "startup_bare"),
        "Asterine": os.path.join(build, "bench", "startup_asterine"),
    }
    with tempfile.TemporaryDirectory() as home:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
                   XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        times = {name: [] for name in programs}
        for _ in range(runs + 2):  # the first two warm the file cache
            for name, path in programs.items():
                start = time.perf_counter()
                subprocess.run([path], env=env, check=True,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                times[name].append(time.perf_counter() - start)
    medians = {name: statistics.median(t[2:]) * 1000 for name, t in times.items()}
    for name, median in medians.items():
        print(f"{name}: median {median:.1f} ms over {runs} runs")
    ratio = medians["Asterine"] / medians["bare Qt Widgets window"]
    print(f"ratio: {ratio:.2f}")


if __name__ == "__main__":
    main()
