#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test headless; exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh test
source scripts/env.sh
export QT_QPA_PLATFORM=offscreen

status=0

# The whole program, warnings as errors.
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DASTERINE_WERROR=ON >/dev/null
cmake --build build/test -j2
ctest --test-dir build/test --output-on-failure --timeout 300 || status=1

# The Debian package, made as the README makes it.
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/package -j2
tests/package_test.sh build/package || status=1

# The reading engine again, under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DASTERINE_WERROR=ON \
    -DASTERINE_ENGINE_ONLY=ON -DASTERINE_SANITIZE=ON >/dev/null
cmake --build build/sanitize -j2
ctest --test-dir build/sanitize --output-on-failure --timeout 300 || status=1

exit "$status"
