#!/bin/sh
# Start-up of the program against an empty Qt Widgets window of the same size, under Xvfb.
#   bench/startup/startup_bench.sh [BUILD_DIR] [RUNS]
# Builds the probe, the peer and the user-picture maker in BUILD_DIR (default build/), makes a
# portable copy of the program in a scratch folder (so its usr.stg is the bench's own) with a
# fresh HOME and XDG folders, and measures two cases: the shipped templates alone, and with 200
# pictures of the user's own. Each case runs with an empty cache folder (a first start) and
# again with the cache the first runs left (every later start). STARTUP_PROGRAM=FILE measures
# another build of the program (an older one, say) in place of BUILD_DIR's, beside the same
# containers and peer, so that two builds can be measured in turn.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(cd "$here/../.." && pwd)
build=$(cd "${1:-$source_dir/build}" && pwd)
runs=${2:-7}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build" "$runs"
fi

cmake --build "$build" --target vantelle-pro vantelle-content startup_probe startup_peer \
    startup_userbase >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/program" "$scratch/home"
# The program and whatever it loads beside it are copied; the picture base is linked.
for file in "$build/bin/"*; do
    case "$(basename "$file")" in
        img.stg|cbs.stg|Resources) ln -s "$file" "$scratch/program/" ;;
        usr.stg|usr.stg.lock) ;;
        *) cp -a "$file" "$scratch/program/" ;;
    esac
done
if [ "${STARTUP_PROGRAM:-}" ]; then
    cp "$STARTUP_PROGRAM" "$scratch/program/vantelle-pro"
fi
export HOME="$scratch/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_STATE_HOME="$HOME/.local/state" XDG_CACHE_HOME="$HOME/.cache"
export TMPDIR="$scratch" XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$scratch/runtime"

probe() {
    "$build/bench/startup_probe" --runs "$runs" "$@" -- "$scratch/program/vantelle-pro" \
        -- "$build/bench/startup_peer" %W %H | grep -E "median|ratio"
}

echo "== the shipped templates, first start (empty cache)"
probe --before "rm -rf '$XDG_CACHE_HOME'"
echo "== the shipped templates, later starts"
probe

[ "${STARTUP_TEMPLATES_ONLY:-}" ] && exit 0
"$build/bench/startup_userbase" "$scratch/program/usr.stg" 200
echo "== with 200 user pictures (1024 x 768), first start (empty cache)"
probe --before "rm -rf '$XDG_CACHE_HOME'" --timeout 120000
echo "== with 200 user pictures (1024 x 768), later starts"
probe --timeout 120000
