#!/bin/sh
# Kills a process that saves and deletes records with SIGKILL at random
# moments, then checks the file: no damage, no half-written record, no
# orphan row. Usage: scripts/kill-trials.sh [trials] [build folder]
set -eu
trials=${1:-50}
build=${2:-build}
helper="$build/tests/killtrial_helper"
[ -x "$helper" ] || { echo "build the target killtrial_helper first" >&2; exit 2; }
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
db="$folder/garvo.db"
failed=0
i=1
while [ "$i" -le "$trials" ]; do
    QT_QPA_PLATFORM=offscreen "$helper" work "$db" >"$folder/out" 2>/dev/null &
    pid=$!
    # A pause of 0.1 to 1.5 s, so kills land at every stage of the work.
    sleep "$(awk -v seed="$i$$" 'BEGIN { srand(seed); printf "%.3f", 0.1 + rand() * 1.4 }')"
    kill -9 "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    result=$(QT_QPA_PLATFORM=offscreen timeout 60 "$helper" check "$db" 2>/dev/null) || failed=$((failed + 1))
    echo "trial $i: $result"
    i=$((i + 1))
done
echo "$trials trials, $failed with faults"
[ "$failed" -eq 0 ]
