#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times `asterine reading` as a whole process against a bare Qt Core
program that prints one line, alternating, with no display in the
environment; then the same reading from the atlas (--place), which reads the
atlas first. Prints medians and the ratio.

    bench/command_line.py BUILD_DIR [RUNS]
"""
import os
import statistics
import subprocess
import sys
import time


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    program = os.path.join(build, "bin", "asterine")
    commands = {
        "bare Qt Core program": [os.path.join(build, "bench", "cli_bare")],
        "asterine reading": [program, "reading", "--latitude", "51:30:26N", "--year", "1970"],
        "asterine reading --place": [program, "reading", "--place", "Pune", "--year", "1970"],
    }
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
    times = {name: [] for name in commands}
    for round_number in range(runs + 2):  # the first two warm the file cache
        for name, command in commands.items():
            start = time.perf_counter()
            subprocess.run(command, env=env, check=True, stdout=subprocess.DEVNULL)
            if round_number >= 2:
                times[name].append((time.perf_counter() - start) * 1000)
    medians = {name: statistics.median(t) for name, t in times.items()}
    for name, median in medians.items():
        print(f"{name}: median {median:.1f} ms over {runs} runs")
    bare = medians["bare Qt Core program"]
    print(f"ratio: {medians['asterine reading'] / bare:.2f}; "
          f"with --place {medians['asterine reading --place'] / bare:.2f}")


if __name__ == "__main__":
    main()
