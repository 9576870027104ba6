#!/usr/bin/env bash
# With every newer popup option at its default, vantelle-popupgen must write logo.png, the
# script's header lines (behind the one opening line that scopes them) and the page byte for
# byte as the generator did before those options existed. The expected files in tests/data/popup-defaults were written by that older generator
# (run this script with --record to write them again, which is only right when the older
# output is what is wanted). Only the cookie name's digits (a tick count) may differ.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
popupgen="${1:?usage: check-defaults.sh path/to/vantelle-popupgen [--record]}"
record="${2:-}"
expected="$root/tests/data/popup-defaults"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

# The page that exists before the popup is added: a line before and after the body tag.
page_before=$'<html><head><title>A page</title></head>\r\n<body class=main>\r\n<p>Text</p>\r\n</body></html>\r\n'

failed=0
cd "$root"
while IFS=$'\t' read -r name page args; do
  [[ -z "$name" || "$name" == \#* ]] && continue
  out="$work/$name"
  mkdir -p "$out"
  read -r -a argv <<<"$args"
  if [ "$page" = "-" ]; then
    "$popupgen" --folder "$out/files" "${argv[@]}" >"$out/page.htm"
    folder="$out/files"
  else
    printf '%s' "$page_before" >"$out/$page"
    "$popupgen" --page "$out/$page" "${argv[@]}"
    cp "$out/$page" "$out/page.htm"
    folder="$out/${page%.*}.popup"
  fi
  cp "$folder/logo.png" "$out/logo.png"
  # The script opens with one line that gives the popup its own scope; the header follows it
  # unchanged: every line up to the position line, the cookie's digits masked.
  if [ "$(head -n 1 "$folder/script.js")" != "$(head -n 1 resources/SCRIPT.js)"$'\r' ]; then
    echo "$name: the script does not open with the template's first line"
    failed=1
  fi
  sed -n '2,/^position = /p' "$folder/script.js" |
    sed 's/Cookie_ID_[0-9]*/Cookie_ID_#/' >"$out/script-header.js"
  grep -q '^position = ' "$out/script-header.js" || { echo "$name: no position line"; failed=1; }
  for f in logo.png script-header.js page.htm; do
    if [ "$record" = "--record" ]; then
      mkdir -p "$expected/$name"
      cp "$out/$f" "$expected/$name/$f"
    elif ! cmp -s "$out/$f" "$expected/$name/$f"; then
      echo "$name: $f differs from the older generator's"
      cmp "$out/$f" "$expected/$name/$f" || true
      [[ "$f" == *.png ]] || diff <(cat -A "$expected/$name/$f") <(cat -A "$out/$f") | head -20 || true
      failed=1
    fi
  done
done <"$here/cases.txt"
[ "$failed" = 0 ] && echo "popup defaults: every case byte-identical"
exit "$failed"
