#!/usr/bin/env bash
# Checks that the folders of src/ include one another in one direction only: each
# folder includes only the folders before it in this order (fileops and queue stand
# side by side and do not include each other).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[a-z]+/' src | awk '
BEGIN {
    n = split("platform controls catalogue duplicates search shell fileops queue playback tagtools app", order, " ")
    for (i = 1; i <= n; ++i)
        rank[order[i]] = i
    rank["queue"] = rank["fileops"] # side by side
}
{
    split($0, place, ":")
    split(place[1], from, "/")
    match($0, /"[a-z]+\//)
    to = substr($0, RSTART + 1, RLENGTH - 2)
    if (!(from[2] in rank) || !(to in rank)) {
        print place[1] ":" place[2] ": " to " or " from[2] " is a folder outside the order"
        bad = 1
    } else if (from[2] != to && rank[to] >= rank[from[2]]) {
        print place[1] ":" place[2] ": " from[2] " may not include " to
        bad = 1
    }
}
END { exit bad }'
