#!/usr/bin/env bash
# Configures and builds Twinsweep into build/ (or $TWINSWEEP_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TWINSWEEP_BUILD_DIR:-$root/build}"
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S "$root" -B "$build" -G Ninja -DTWINSWEEP_WERROR="$werror" "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
