# SPDX-License-Identifier: GPL-3.0-or-later
# Settings shared by the run and test commands; sourced, not run.

# Chromium's sandbox, used by the built-in browser, refuses to run as root.
if ((EUID == 0)); then
    export QTWEBENGINE_DISABLE_SANDBOX=1
fi
