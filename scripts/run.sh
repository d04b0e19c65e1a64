#!/usr/bin/env bash
# Installs what is missing, builds the program (not its tests and bench) and starts it.
# The one optional argument (a folder, a .ztw collection or an .m3u/.pls playlist)
# is passed on.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" --target twinsweep -DBUILD_TESTING=OFF
exec "${TWINSWEEP_BUILD_DIR:-$root/build}/twinsweep" "$@"
