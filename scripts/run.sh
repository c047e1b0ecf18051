#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts Asterine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run
source scripts/env.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j2

exec build/release/bin/asterine
