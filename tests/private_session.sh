#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command in a D-Bus session of its own, with a runtime folder of its
# own: the accessibility bus that the session starts keeps its socket there.
# Without one it keeps it in the user's cache folder, under one name for every
# session of the user, and checks run at the same time would meet on one
# another's bus.
#     tests/private_session.sh COMMAND [ARGUMENT...]
set -u
runtime=$(mktemp -d "${TMPDIR:-/tmp}/asterine-session.XXXXXX") || exit 1
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime dbus-run-session -- "$@"
status=$?
rm -rf "$runtime"
exit $status
