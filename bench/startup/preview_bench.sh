#!/bin/sh
# Next on page 3 to the preview painted, with and without the browser engine started ahead.
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
for mode in --no-warm-up --warm-up; do
    i=0
    : >"$scratch/times"
    while [ $i -lt "$runs" ]; do
        "$build/bench/preview_probe" $mode 2>/dev/null | tee -a "$scratch/log" |
            tee -a "$scratch/steps.$mode" |
            sed -n 's/.*preview painted \([0-9-]*\) ms.*/\1/p' >>"$scratch/times"
        i=$((i + 1))
    done
    echo "$mode: Next to preview painted, median of $runs: $(median <"$scratch/times") ms" \
        "(runs: $(tr '\n' ' ' <"$scratch/times"))"
    # Each step after Next, median over the runs (-1: not seen, e.g. the page loaded ahead).
    for step in files view window switch loaded; do
        printf '  %s %s ms\n' "$step" "$(sed -n "s/\(^\|.* \)$step \([0-9-]*\)[ ,;].*/\2/p" \
            "$scratch/steps.$mode" | median)"
    done
done
