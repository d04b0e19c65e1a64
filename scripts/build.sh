#!/usr/bin/env bash
# Configures and builds Twinsweep into build/ (or $TWINSWEEP_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TWINSWEEP_BUILD_DIR:-$root/build}"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DTWINSWEEP_WERROR="$werror" "$@" >/dev/null
# CMake 3.25's automoc misses Q_OBJECT headers that a re-glob adds to an existing
# build; forgetting its timestamps makes it scan all headers again (about a second).
find "$build" -path '*_autogen/timestamp' -delete
cmake --build "$build" --parallel "$(nproc)"
