#!/usr/bin/env bash
# Builds the Debian package from a configured and built tree and proves the installed layout:
# the desktop entry, the AppStream metainfo and the package pass their validators, and the
# program unpacked from the package starts headless with its XDG folders in a scratch folder,
# shows page 1 with the shipped templates, writes a popup into a page, opens the design
# written beside it when started with that file, and gives every object that can take focus on
# its five pages a name for screen readers (read over AT-SPI).
#
#   tools/package-check.sh [BUILD_DIR]        (default: build)
#
# Needs a display only for its last part, which it runs under xvfb-run by itself.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [ "${1:-}" = --accessibility ]; then
  # On a session bus of its own (dbus-run-session) and the display of xvfb-run: the program
  # with its accessibility bridge on, walked page by page over AT-SPI. $2 is the scratch
  # folder.
  scratch="$2"
  log="$scratch/accessibility.log"
  env -i PATH="$PATH" DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="$scratch/home" \
    DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" \
    QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    XDG_DATA_HOME="$scratch/home/data" XDG_CONFIG_HOME="$scratch/home/config" \
    XDG_STATE_HOME="$scratch/home/state" XDG_CACHE_HOME="$scratch/home/cache" \
    XDG_RUNTIME_DIR="$scratch/run" TMPDIR="$scratch/tmp" \
    QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu" \
    "$scratch/root/usr/bin/vantelle-pro" >"$log" 2>&1 &
  program=$!
  trap 'kill "$program" 2>/dev/null || true' EXIT
  status=0
  timeout 180 /usr/bin/python3 "$root/tools/accessible-names.py" vantelle-pro 5 || status=$?
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  trap - EXIT
  [ "$status" = 0 ] || sed 's/^/  program: /' "$log" | tail -n 20 >&2
  exit "$status"
fi

if [ "${1:-}" = --on-display ]; then
  # The headless run, on the display xvfb-run made: $2 is the scratch folder.
  scratch="$2"
  exe="$scratch/root/usr/bin/vantelle-pro"
  log="$scratch/program.log"
  fail() {
    echo "package check: $*" >&2
    import -window root "$scratch/failure.png" 2>/dev/null && echo "screen: $scratch/failure.png" >&2
    [ -f "$log" ] && sed 's/^/  program: /' "$log" >&2
    exit 1
  }
  start() {
    env -i PATH="$PATH" DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" HOME="$scratch/home" \
      XDG_DATA_HOME="$scratch/home/data" XDG_CONFIG_HOME="$scratch/home/config" \
      XDG_STATE_HOME="$scratch/home/state" XDG_CACHE_HOME="$scratch/home/cache" \
      XDG_RUNTIME_DIR="$scratch/run" TMPDIR="$scratch/tmp" \
      QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu" \
      "$exe" "$@" >"$log" 2>&1 &
    program=$!
  }
  start
  trap 'kill "$program" 2>/dev/null || true' EXIT
  window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Vantelle Pro - ' | head -n1)" ||
    fail "the window did not appear"
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")" # X, Y of the window's client area
  import -window "$window" "$scratch/page1.png"
  # Page 1: the grid at (40, 136) shows ten cells whole; a shipped template's thumbnail has
  # many colours where an empty cell is one flat colour.
  for cell in 0 1 2 3 4 5 6 7 8 9; do
    x=$((40 + (cell % 5) * 126 + 8))
    y=$((136 + (cell / 5) * 126 + 8))
    colours="$(convert "$scratch/page1.png" -crop "110x110+$x+$y" +repage -format '%k' info:)"
    [ "$colours" -gt 16 ] || fail "grid cell $cell shows no template ($colours colours)"
  done
  click() { xdotool mousemove "$((X + $1))" "$((Y + $2))" click 1; }
  # Next to pages 2, 3, 4 (which builds a preview in TMPDIR) and 5, each after the last settled.
  # On page 3 a link goes into the URL box first (without one, Next notes that a click on the
  # popup would do nothing).
  for page in 2 3 4 5; do
    if [ "$page" = 4 ]; then
      click 300 153
      xdotool type --delay 30 'offer.htm'
      sleep 1
    fi
    click 673 540
    sleep 3
  done
  ls -d "$scratch/tmp"/Popup_* >/dev/null 2>&1 || fail "page 4 wrote no preview into TMPDIR"
  # Page 5: the page to modify starts as the desktop folder's Popup.htm; Add popup writes it.
  click 661 113
  done_box="$(timeout 30 xdotool search --sync --onlyvisible --name '^Done' | head -n1)" ||
    fail "Add popup did not confirm"
  page="$scratch/home/Desktop/Popup.htm"
  grep -q '<!-- POPUP --><script src=Popup.popup/script.js></script><!-- END -->' "$page" ||
    fail "the page has no popup block: $(cat "$page" 2>/dev/null)"
  for f in logo.png script.js pix.gif design.vpopup; do
    [ -s "$scratch/home/Desktop/Popup.popup/$f" ] || fail "Popup.popup/$f was not written"
  done
  grep -q "^action = \"HREF='offer.htm'\";" "$scratch/home/Desktop/Popup.popup/script.js" ||
    fail "script.js does not open the link typed on page 3"
  [ "$(identify -format '%m %wx%h' "$scratch/home/Desktop/Popup.popup/logo.png")" = "PNG 500x500" ] ||
    fail "logo.png is not a 500 x 500 PNG"
  xdotool windowfocus --sync "$done_box" key Return
  sleep 1
  kill "$program"
  wait "$program" 2>/dev/null || true

  # A second start opens the design Add popup wrote, named on the command line as a file
  # manager would: the window shows it on page 2, where the canvas's black frame runs down the
  # left edge that page 1 leaves to the background. The killed run's recovery file would be
  # offered first, so it goes.
  rm -rf "$scratch/home/state"
  start "$scratch/home/Desktop/Popup.popup/design.vpopup"
  window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Vantelle Pro - ' | head -n1)" ||
    fail "the window did not appear with a design named"
  sleep 2
  import -window "$window" "$scratch/opened.png"
  frame="$(convert "$scratch/opened.png" -crop 1x200+15+100 +repage -colorspace gray \
    -format '%[fx:maxima]' info:)"
  awk -v m="$frame" 'BEGIN { exit !(m < 0.1) }' || fail "the named design did not open on page 2"
  kill "$program"
  wait "$program" 2>/dev/null || true
  trap - EXIT

  # Screen readers: every object that can take focus on pages 1 to 5 has a name. The bus and
  # its registry start on demand; a start that never shows the program (status 2) is tried
  # again, a missing name is not.
  rm -rf "$scratch/home/state"
  for attempt in 1 2 3; do
    status=0
    dbus-run-session -- "$0" --accessibility "$scratch" 2>"$scratch/bus.log" || status=$?
    grep -v -e 'Failed to set fd limit' -e 'Activating service' -e 'Successfully activated' \
      -e 'SpiRegistry daemon' "$scratch/bus.log" >&2 || true
    [ "$status" = 2 ] || break
    echo "package check: the accessibility bus did not show the program (attempt $attempt)" >&2
    sleep 2
  done
  [ "$status" = 0 ] || fail "focusable objects without a name for screen readers (above)"
  exit 0
fi

build="$(cd "${1:-build}" && pwd)"
step() { printf '\n---- %s\n' "$*"; }

step "desktop entry"
desktop-file-validate "$root/packaging/com.vantelle_pro.VantellePro.desktop"

step "AppStream metainfo"
appstreamcli validate --no-net "$build/packaging/com.vantelle_pro.VantellePro.metainfo.xml"

scratch_lintian="$(mktemp)"
trap 'rm -f "$scratch_lintian"' EXIT

step "Debian package"
rm -rf "$build/package"
(cd "$build" && cpack -G DEB --config CPackConfig.cmake >/dev/null)
deb="$(ls "$build"/package/vantelle-pro_*.deb)"
echo "$deb"
dpkg-deb --field "$deb" Depends
# Qt's own texts for the standard dialogs come with the package's dependencies.
dpkg-deb --field "$deb" Depends | grep -q "qt6-translations-l10n" ||
  { echo "the package does not depend on qt6-translations-l10n" >&2; exit 1; }

step "lintian"
# Warnings kept on purpose are explained in the README's section on the package.
lintian_status=0
lintian --fail-on error --display-info "$deb" >"$scratch_lintian" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$scratch_lintian" || true
[ "$lintian_status" = 0 ] || { echo "lintian found errors" >&2; exit 1; }
# Every tag lintian gives is explained in the README's validator table, and the table lists no
# tag lintian no longer gives.
given="$(sed -n 's/^\([EWIXPC]\): [^ ]*: \([A-Za-z0-9.+-]*\).*/\1 \2/p' "$scratch_lintian" | sort -u)"
listed="$(sed -n 's/^| lintian | \([EWIXPC]\) `\([A-Za-z0-9.+-]*\)[^`]*`.*/\1 \2/p' "$root/README.md" | sort -u)"
if [ "$given" != "$listed" ]; then
  echo "lintian's tags differ from the README's validator table (< table, > lintian):" >&2
  diff <(printf '%s\n' "$listed") <(printf '%s\n' "$given") >&2 || true
  exit 1
fi

step "unpacked program"
scratch="$(mktemp -d "${TMPDIR:-/tmp}/vantelle-package.XXXXXX")"
[ -n "${VANTELLE_KEEP_SCRATCH:-}" ] || trap 'rm -rf "$scratch" "$scratch_lintian"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
mkdir -p "$scratch/home/Desktop" "$scratch/tmp" "$scratch/run"
chmod 700 "$scratch/run"
# The design file type as the desktop's MIME database reads it, built in a copy.
mkdir -p "$scratch/mime/packages"
cp "$scratch/root/usr/share/mime/packages/"*.xml "$scratch/mime/packages/"
update-mime-database "$scratch/mime" >/dev/null 2>&1 || { echo "update-mime-database refused the design type" >&2; exit 1; }
grep -q '^50:application/x-vantelle-popup:\*\.vpopup$' "$scratch/mime/globs2" ||
  { echo "the MIME database does not map *.vpopup to the design type" >&2; exit 1; }
grep -q 'MimeType=application/x-vantelle-popup;' "$scratch/root/usr/share/applications/"*.desktop ||
  { echo "the desktop entry does not claim the design type" >&2; exit 1; }
exe="$scratch/root/usr/bin/vantelle-pro"
"$exe" --version
# The version and release date the build knows are the ones the metainfo, the changelog and
# the program give.
version="$(sed -n 's/^project(VantellePro VERSION \([0-9.]*\) .*/\1/p' "$root/CMakeLists.txt")"
released="$(sed -n 's/^set(VANTELLE_RELEASE_DATE \([0-9-]*\))$/\1/p' "$root/CMakeLists.txt")"
[ -n "$version" ] && [ -n "$released" ] || { echo "no version or release date in CMakeLists.txt" >&2; exit 1; }
[ "$("$exe" --version)" = "Vantelle Pro $version" ] || { echo "the program is not version $version" >&2; exit 1; }
grep -q "<release version=\"$version\" date=\"$released\"/>" "$scratch/root/usr/share/metainfo/"*.xml ||
  { echo "the metainfo's release is not $version of $released" >&2; exit 1; }
changelog="$(zcat "$scratch/root/usr/share/doc/vantelle-pro/changelog.Debian.gz")"
[ "$(head -n1 <<<"$changelog")" = "vantelle-pro ($version-1) unstable; urgency=medium" ] ||
  { echo "the changelog is not of version $version" >&2; exit 1; }
grep -q "^ -- .*>  $(LC_ALL=C date -u -d "$released" '+%a, %d %b %Y %H:%M:%S %z')\$" <<<"$changelog" ||
  { echo "the changelog is not dated $released" >&2; exit 1; }
[ "$(zcat "$scratch/root/usr/share/man/man1/vantelle-pro.1.gz" | head -n1)" = \
  ".TH VANTELLE-PRO 1 \"$(LC_ALL=C date -u -d "$released" '+%B %Y')\" \"Vantelle Pro $version\" \"User Commands\"" ] ||
  { echo "the manual page is not of version $version of $released" >&2; exit 1; }
# The manual page names what the program reads from the environment and every file it keeps.
manual="$(zcat "$scratch/root/usr/share/man/man1/vantelle-pro.1.gz")"
for needed in '^\.SH ENVIRONMENT$' '^\.B XDG_STATE_HOME$' 'recovery\.vpopup' 'usr\.stg\.lock' 'Popup\.htm'; do
  grep -q "$needed" <<<"$manual" || { echo "the manual page lacks $needed" >&2; exit 1; }
done
"$exe" --help >/dev/null
status=0
"$exe" -reverse 2>/dev/null || status=$?
[ "$status" = 2 ] || { echo "an unknown option ended with $status, not 2" >&2; exit 1; }
touch "$scratch/before"
xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --on-display "$scratch"
# The unpacked prefix stands for /usr: nothing may have been written into it.
written="$(find "$scratch/root" -newer "$scratch/before" -print)"
[ -z "$written" ] || { echo "the program wrote under the prefix: $written" >&2; exit 1; }
[ -d "$scratch/home/data/vantelle-pro" ] ||
  { echo "the user's picture folder was not made in XDG_DATA_HOME" >&2; exit 1; }
echo "started from the package, showed the shipped templates, wrote a popup into a page and opened its design"
