# SPDX-License-Identifier: GPL-3.0-or-later
"""The platforms the benchmarks run on: Qt's offscreen one, and X11 on a
virtual display (Xvfb) with a D-Bus session bus of its own, as on a desktop."""
import os
import subprocess


class Desktop:
    """A virtual X display and a D-Bus session bus, for the life of a run."""

    def __init__(self):
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0",
                                      "1600x1000x24", "-nolisten", "tcp"],
                                     pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:
            self.display = ":" + display.readline().strip()
        self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                    stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.bus.stdout.readline().strip()

    def environment(self):
        return {"DISPLAY": self.display, "DBUS_SESSION_BUS_ADDRESS": self.address,
                "QT_QPA_PLATFORM": "xcb"}

    def close(self):
        self.bus.terminate()
        self.xvfb.terminate()
        self.bus.wait()
        self.xvfb.wait()


def environment_for(platform, base):
    """The environment for `platform`, and what to close afterwards."""
    env = dict(base)
    for variable in ("QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"):
        env.pop(variable, None)
    if platform == "xcb":
        desktop = Desktop()
        env.update(desktop.environment())
        return env, desktop
    env["QT_QPA_PLATFORM"] = "offscreen"
    return env, None
