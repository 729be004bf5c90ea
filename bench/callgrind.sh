#!/bin/sh
# Instructions of one schedule build, counted by callgrind: the whole click (the build, the
# column fitting and the painting of the window) and the computation alone, each the mean of
# COUNT runs after a warm-up. Unlike a timing, the count does not depend on the machine's load.
#
#   bench/callgrind.sh [BUILD_DIR] [COUNT]
set -eu
BUILD=${1:-build}
COUNT=${2:-20}
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
for what in clickAndSettle computeOnce; do
    QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$OUT/$what" \
        --toggle-collect="*$what*" "$BUILD/bench/bench_schedule" --count "$COUNT" \
        >/dev/null 2>&1
    total=$(sed -n 's/^summary: *//p; s/^totals: *//p' "$OUT/$what" | head -n 1)
    echo "$what: $((total / COUNT)) instructions per run ($COUNT runs)"
done
