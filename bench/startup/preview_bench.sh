#!/bin/sh
# Next on page 3 to the preview painted: with the preview prepared while page 3 is on show (the
# program as it is), with the browser engine started ahead but nothing prepared, and with
# neither. The three cases take turns, so that they share the machine's load. Then the stall
# that each change on page 3 causes while the preview is prepared for it.
#   bench/startup/preview_bench.sh [BUILD_DIR] [RUNS]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
runs=${2:-7}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi
# The probe runs on the shipped picture base, packed by vantelle-content.
cmake --build "$build" --target preview_probe vantelle-content >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME="$scratch" XDG_STATE_HOME="$scratch/state" XDG_CACHE_HOME="$scratch/cache"
export XDG_RUNTIME_DIR="$scratch/runtime" TMPDIR="$scratch"
mkdir -m 700 "$XDG_RUNTIME_DIR"
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
modes="prepared warm-only cold"
args() {
    case $1 in
    prepared) ;;
    warm-only) echo --no-prepare ;;
    cold) echo --no-prepare --no-warm-up ;;
    esac
}
i=0
while [ $i -lt "$runs" ]; do
    for mode in $modes; do
        # shellcheck disable=SC2046 # the arguments are words
        "$build/bench/preview_probe" $(args $mode) 2>/dev/null >>"$scratch/steps.$mode" || true
    done
    i=$((i + 1))
done
for mode in $modes; do
    painted=$(sed -n 's/.*preview painted \([0-9-]*\) ms.*/\1/p' "$scratch/steps.$mode")
    echo "$mode ($(args $mode)): Next to preview painted, median of $runs:" \
        "$(echo "$painted" | median) ms (runs: $(echo "$painted" | tr '\n' ' '))"
    # Each step after Next, median over the runs (-1: not seen, e.g. the page loaded ahead).
    for step in files view window switch loaded; do
        printf '  %s %s ms\n' "$step" "$(sed -n "s/\(^\|.* \)$step \([0-9-]*\)[ ,;].*/\2/p" \
            "$scratch/steps.$mode" | median)"
    done
done
"$build/bench/preview_probe" --stall 2>/dev/null || true
