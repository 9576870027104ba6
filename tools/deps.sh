#!/usr/bin/env bash
# Installs the Debian packages that Vantelle Pro needs to build, run and test, and the
# browser tests' npm packages. Only what is missing is installed; a second run does nothing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-webengine-dev qt6-webengine-dev-tools libqt6opengl6-dev libgl-dev libxkbcommon-dev
  # lupdate and lrelease with their CMake functions; Qt's own texts in other languages.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  zlib1g-dev libjpeg62-turbo-dev libfontconfig-dev fontconfig
  libpng-dev libspng-dev libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-utils
  dpkg-dev file lintian appstream desktop-file-utils shared-mime-info xdotool imagemagick
  # The package check reads the running program's accessibility tree over AT-SPI on a session
  # bus of its own.
  at-spi2-core python3-pyatspi dbus-daemon
  # fonts-urw-base35 puts Type 1 faces and one family from several foundries beside the
  # OpenType ones, which the font face list must show once, by name (and artgen draws with it).
  fonts-liberation fonts-comic-neue fonts-dejavu-core fonts-urw-base35
  chromium firefox-esr
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# Node.js may come from another packaging that carries npm inside it; only a machine without
# the commands gets Debian's packages.
if ! command -v node >/dev/null 2>&1; then missing+=(nodejs); fi
if ! command -v npm >/dev/null 2>&1; then missing+=(npm); fi

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" != 0 ]; then sudo="sudo"; fi
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
browser="$root/tests/browser"
if [ "${VANTELLE_SKIP_NPM:-0}" != 1 ] && [ -f "$browser/package.json" ]; then
  if [ ! -d "$browser/node_modules" ] || [ "$browser/package-lock.json" -nt "$browser/node_modules" ]; then
    (cd "$browser" && npm ci --no-audit --no-fund --loglevel=error && touch node_modules)
  fi
fi
