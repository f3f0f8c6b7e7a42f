#!/bin/sh
# Copies the icons named in icons.txt from the installed Tango theme (Debian package
# tango-icon-theme, public domain) and writes icons.qrc. Run after changing icons.txt; the
# program itself needs only the copies.
set -e
here=$(cd "$(dirname "$0")" && pwd)
theme=/usr/share/icons/Tango
[ -d "$theme" ] || { echo "install tango-icon-theme first" >&2; exit 1; }
mkdir -p "$here/16" "$here/24"
{
  echo '<RCC>'
  echo '  <qresource prefix="/icons">'
  grep -v '^#' "$here/icons.txt" | while read -r name; do
    [ -n "$name" ] || continue
    for size in 16 24; do
      src=$(find "$theme/${size}x${size}" -name "$name.png" | head -n 1)
      [ -n "$src" ] || { echo "missing: $name ($size)" >&2; exit 1; }
      cp "$src" "$here/$size/$name.png"
      echo "    <file>$size/$name.png</file>"
    done
  done
  echo '  </qresource>'
  echo '</RCC>'
} > "$here/icons.qrc"
