#!/usr/bin/env bash
# The window at three sizes, every step, in French and English: one walk of
# docs/screenshots/walk.txt per size and language, under Xvfb.
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build/release}
out=${2:-$here/build/screenshots}
mkdir -p "$out"
for size in 1264x680 1366x728 1920x1050; do
    for lang in fr en; do
        script="$out/walk-$size-$lang.txt"
        { echo "window ${size%x*} ${size#*x}"
          sed "s|OUT-|$out/$size-$lang-|" "$here/docs/screenshots/walk.txt"; } > "$script"
        xvfb-run -a -s "-screen 0 1920x1080x24" "$build/trajecta" --script "$script" --lang "$lang" >/dev/null
    done
done
echo "screenshots in $out"
