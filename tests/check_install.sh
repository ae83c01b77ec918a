#!/usr/bin/env bash
# Installs the build tree into a fresh folder and checks that a desktop would
# find the program there: both programs, a valid desktop entry naming them,
# and the icon as SVG and as PNG of every size, each PNG of its folder's size.
set -u
cmake="$1"; build="$2"; prefix="$3"; status=0
rm -rf "$prefix"
if ! "$cmake" --install "$build" --prefix "$prefix" >/dev/null; then echo "cmake --install failed"; exit 1; fi
fail() { echo "$1"; status=1; }

for program in trajecta trajecta-cli; do
  [ -x "$prefix/bin/$program" ] || fail "missing program bin/$program"
done
desktop="$prefix/share/applications/trajecta.desktop"
if [ -f "$desktop" ]; then
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$prefix/bin/$exec_name" ] || fail "the desktop entry starts '$exec_name', which is not installed"
  grep -qx 'Icon=trajecta' "$desktop" || fail "the desktop entry does not name the icon trajecta"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate refuses the desktop entry"
  else
    echo "desktop-file-validate not found: the entry's syntax is not checked"
  fi
else
  fail "missing share/applications/trajecta.desktop"
fi
icons="$prefix/share/icons/hicolor"
grep -q '<svg' "$icons/scalable/apps/trajecta.svg" 2>/dev/null || fail "missing or empty scalable/apps/trajecta.svg"
for size in 16 32 48 64 128 256; do
  png="$icons/${size}x${size}/apps/trajecta.png"
  if [ ! -f "$png" ]; then fail "missing ${size}x${size}/apps/trajecta.png"; continue; fi
  # Width and height stand big-endian in the IHDR chunk, bytes 16 to 23.
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "${size}x${size}/apps/trajecta.png is ${w}x${h}"
done
[ $status -eq 0 ] && echo "install into $prefix: every expected file is there"
exit $status
