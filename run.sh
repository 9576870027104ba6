#!/usr/bin/env bash
# Installs what is missing, builds Vantelle Pro (Release) and starts it.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"

VANTELLE_SKIP_NPM=1 ./tools/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)" --target vantelle-pro vantelle-content

exe=build/bin/vantelle-pro
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Built $exe, but there is no display to show it on; run it under a virtual one with: xvfb-run -a ./run.sh" >&2
  exit 1
fi
exec "$exe" "$@"
