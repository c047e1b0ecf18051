#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Medians of the cold first and the second opening of the search browser,
Asterine's against a bare QWebEngineView doing the same steps, from the click
to the search request arriving at a loopback server. Asterine's runs as the
program starts (without OpenGL) and, for comparison, with OpenGL as Qt
starts by default. Runs alternate.

    bench/browser_open.py BUILD_DIR [RUNS] [PLATFORM...]

PLATFORM is offscreen or xcb (a virtual X display); both when none is given.
"""
import os
import statistics
import subprocess
import sys
import tempfile

from platforms import environment_for

MODES = ("asterine", "asterine-gl", "bare")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/bench"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    platforms = sys.argv[3:] or ["offscreen", "xcb"]
    program = os.path.join(build, "bench", "browser_open")
    with tempfile.TemporaryDirectory() as home:
        base = dict(os.environ,
                    XDG_CONFIG_HOME=os.path.join(home, "config"),
                    XDG_CACHE_HOME=os.path.join(home, "cache"),
                    XDG_DATA_HOME=os.path.join(home, "data"),
                    XDG_RUNTIME_DIR=os.path.join(home, "runtime"))
        if os.geteuid() == 0:
            base["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
        os.makedirs(base["XDG_RUNTIME_DIR"], mode=0o700)
        for platform in platforms:
            env, desktop = environment_for(platform, base)
            results = {mode: ([], []) for mode in MODES}
            try:
                for _ in range(runs):
                    for mode, (cold, warm) in results.items():
                        out = subprocess.run([program, mode], env=env, check=True, text=True,
                                             capture_output=True).stdout.split()
                        cold.append(float(out[0]))
                        warm.append(float(out[1]))
            finally:
                if desktop:
                    desktop.close()
            print(f"{platform}:")
            for mode, (cold, warm) in results.items():
                print(f"  {mode}: cold {statistics.median(cold):.0f} ms, "
                      f"second {statistics.median(warm):.0f} ms (medians of {runs})")
            for i, name in ((0, "cold"), (1, "second")):
                bare = statistics.median(results["bare"][i])
                ours = statistics.median(results["asterine"][i])
                print(f"  {name} ratio against the bare view: {ours / bare:.2f}")


if __name__ == "__main__":
    main()
