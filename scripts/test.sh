#!/usr/bin/env bash
# Installs what is missing, checks the formatting and the direction of the includes
# between the folders of src/, builds and runs every test.
# With --sanitize the suite is built apart (build-sanitize/) with AddressSanitizer,
# UndefinedBehaviorSanitizer, leak detection and the standard library's bounds checks
# (_GLIBCXX_ASSERTIONS), and any report or failed check fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${TWINSWEEP_BUILD_DIR:-$root/build}"
configure=()
if [ "${1:-}" = "--sanitize" ]; then
  build="${TWINSWEEP_SANITIZE_BUILD_DIR:-$root/build-sanitize}"
  configure=(-DTWINSWEEP_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
fi
"$root/scripts/install-deps.sh" --tests
cd "$root"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run -Werror
"$root/scripts/check-layers.sh"
TWINSWEEP_BUILD_DIR="$build" "$root/scripts/build.sh" -DBUILD_TESTING=ON "${configure[@]}"
export QT_QPA_PLATFORM=offscreen
# A failing parameterized case prints its parameter readably: GoogleTest shows a
# parameter without a printer as its bytes.
if for suite in "$build"/tests/twinsweep_*_tests; do "$suite" --gtest_list_tests; done | grep -- '-byte object'; then
  echo "a test parameter has no printer" >&2
  exit 1
fi
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
