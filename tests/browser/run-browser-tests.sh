#!/usr/bin/env bash
# Runs the popup's browser tests in Debian's Chromium and firefox-esr. Missing pieces are
# failures, not skips: ./test.sh installs both browsers and the npm packages before it gets here.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
popupgen="${1:?usage: run-browser-tests.sh path/to/vantelle-popupgen}"

fail() { echo "browser tests: $*" >&2; exit 1; }
[ -x "$popupgen" ] || fail "vantelle-popupgen not found at $popupgen"
popupgen="$(cd "$(dirname "$popupgen")" && pwd)/$(basename "$popupgen")"
[ -x /usr/bin/chromium ] || fail "/usr/bin/chromium is missing (tools/deps.sh installs it)"
[ -x /usr/bin/firefox-esr ] || fail "/usr/bin/firefox-esr is missing (tools/deps.sh installs it)"
command -v node >/dev/null || fail "node is missing (tools/deps.sh installs it)"
for module in puppeteer-core axe-core; do
  [ -d "$here/node_modules/$module" ] || fail "node_modules/$module missing: run npm ci in $here"
done

cd "$here"
VANTELLE_POPUPGEN="$popupgen" exec node --test --test-concurrency=1 popup.test.mjs
