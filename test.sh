#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless:
#   build/       Release with -Werror: unit, window, browser and benchmark-free tests
#   build-asan/  AddressSanitizer + UndefinedBehaviorSanitizer: the same tests but the browser ones
#   build-fuzz/  clang + libFuzzer: every fuzz corpus replayed once
#   build/package/  the Debian package, validated, unpacked and run headless
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
root="$(pwd)"

./tools/deps.sh

jobs="$(nproc)"
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu}"

step() { printf '\n==== %s\n' "$*"; }

step "Release build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVANTELLE_WERROR=ON >/dev/null
cmake --build build -j "$jobs"

step "Release tests"
(cd build && xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --no-tests=error -j "$jobs")

step "Sanitizer build"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTELLE_WERROR=ON \
  -DVANTELLE_SANITIZE=ON -DVANTELLE_BENCH=OFF >/dev/null
cmake --build build-asan -j "$jobs"

step "Sanitizer tests"
# Qt and fontconfig keep caches alive until exit, so leak checking is for the core tests only.
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure --no-tests=error -j "$jobs" -L unit)
(cd build-asan && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
   xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --no-tests=error -j "$jobs" -L gui -LE webengine)

step "Fuzz corpus replay"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTELLE_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$jobs"
(cd build-fuzz && ctest --output-on-failure --no-tests=error -j "$jobs" -L fuzz)

step "Package"
# The Debian package from the Release build, its validators, and the unpacked program run
# headless from a scratch root with scratch XDG folders (tools/package-check.sh).
./tools/package-check.sh build

echo
echo "All test stages passed."
