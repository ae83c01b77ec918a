#!/usr/bin/env bash
# Makes the Debian package of the build tree with CPack, unpacks it into a
# fresh folder and checks it: both programs, the desktop entry, the icons and
# the help pages under /usr; every library the programs link, and Qt and the
# JPEG library by name, among the packages it depends on; and the unpacked
# trajecta-cli walks a short journey.
set -u
cpack="$1"; build="$2"; work="$3"; data="$4"; status=0
rm -rf "$work"; mkdir -p "$work"
if ! "$cpack" -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1; then
  echo "cpack -G DEB failed:"; cat "$work/cpack.log"; exit 1
fi
deb=$(ls "$work"/*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "cpack made no .deb"; exit 1; }
dpkg-deb -x "$deb" "$work/root" || { echo "dpkg-deb -x failed on $deb"; exit 1; }
fail() { echo "$1"; status=1; }
usr="$work/root/usr"

for file in bin/trajecta bin/trajecta-cli share/applications/trajecta.desktop \
            share/icons/hicolor/scalable/apps/trajecta.svg share/man/man1/trajecta.1 share/man/man1/trajecta-cli.1; do
  [ -s "$usr/$file" ] || fail "the package lacks /usr/$file"
done
for size in 16 32 48 64 128 256; do
  [ -s "$usr/share/icons/hicolor/${size}x${size}/apps/trajecta.png" ] || fail "the package lacks the ${size}x${size} icon"
done
for page in trajecta trajecta-cli; do
  head -n 1 "$usr/share/man/man1/$page.1" 2>/dev/null | grep -q '^\.TH ' || fail "$page.1 is no manual page"
done

depends=$(dpkg-deb -f "$deb" Depends)
names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*//; s/:.*//; s/ //g')
listed() { echo "$names" | grep -qxF "$1"; }
for package in libqt6core6 libqt6gui6 libqt6widgets6 libjpeg62-turbo qt6-qpa-plugins; do
  listed "$package" || fail "Depends lacks $package: $depends"
done
# The libraries the programs name themselves come from packages it depends on.
for program in trajecta trajecta-cli; do
  for library in $(objdump -p "$usr/bin/$program" | awk '/NEEDED/ {print $2}'); do
    path=$(ldconfig -p | awk -v l="$library" '$1 == l {print $NF; exit}')
    owner=$(dpkg -S "$(readlink -f "$path")" 2>/dev/null | head -n 1 | cut -d: -f1)
    [ -z "$owner" ] && owner=$(dpkg -S "$path" 2>/dev/null | head -n 1 | cut -d: -f1)
    if [ -z "$owner" ]; then fail "no installed package holds $library, which $program needs"; continue; fi
    listed "$owner" || fail "$program needs $library from $owner, which Depends lacks: $depends"
  done
done

cat > "$work/journey.txt" <<JOURNEY
clipboard set $data/host_object_in.txt
click ImgChargeObjetPte_Haut
click LbCreation
mouse click 100 300
mouse click 200 150
mouse click 300 150
mouse click 400 300
click LblStopMarquage
click LblOKcourbe
print LbInfos
JOURNEY
expected='LbInfos visible=1 showing=1 enabled=1 text="Etape 4 : gestion du temps, voyez l'"'"'aide"'
got=$(XDG_DATA_HOME="$work/data-home" "$usr/bin/trajecta-cli" script "$work/journey.txt" 2>&1)
[ "$got" = "$expected" ] || fail "the unpacked trajecta-cli walked the journey to: $got"

[ $status -eq 0 ] && echo "$(basename "$deb"): every expected file is there, its dependencies are declared, its trajecta-cli runs"
exit $status
