#!/usr/bin/env bash
# Configures and builds Twinsweep into build/ (or $TWINSWEEP_BUILD_DIR): everything, or
# with --target NAME only that target and what it needs. Further arguments go to CMake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TWINSWEEP_BUILD_DIR:-$root/build}"
target=()
if [ "${1:-}" = "--target" ]; then
  target=(--target "$2")
  shift 2
fi
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DTWINSWEEP_WERROR="$werror" "$@" >/dev/null
# CMake 3.25's automoc misses Q_OBJECT headers that a re-glob adds to an existing
# build; forgetting its timestamps makes it scan all headers again (about a second).
find "$build" -path '*_autogen/timestamp' -delete
cmake --build "$build" --parallel "$(nproc)" "${target[@]}"
