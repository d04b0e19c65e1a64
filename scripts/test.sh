#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TWINSWEEP_BUILD_DIR:-$root/build}"
"$root/scripts/install-deps.sh"
cd "$root"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run -Werror
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
