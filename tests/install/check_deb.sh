#!/bin/sh
# check_deb.sh CPACK BUILD OUT APP_ID VERSION "ICON_SIZES"
# Builds the Debian package of BUILD into OUT and checks its fields and files.
set -u
cpack=$1 build=$2 out=$3 id=$4 version=$5 sizes=$6
faults=0
fault() { echo "FAULT: $*"; faults=$((faults + 1)); }

rm -rf "$out"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out.log" 2>&1 || { cat "$out.log"; echo "FAULT: cpack failed"; exit 1; }
deb=$(ls "$out"/corvane_"$version"_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "FAULT: no corvane_${version}_*.deb in $out"; exit 1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = corvane ] || fault "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fault "Version is $(field Version)"
[ "$(field Section)" = games ] || fault "Section is $(field Section)"
depends=$(field Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6multimedia6; do
  echo "$depends" | tr ',' '\n' | grep -q "^ *$lib\( \|$\)" || fault "Depends lacks $lib: $depends"
done
echo "$(field Recommends)" | grep -q kdegames-card-data-kf5 || fault "the card deck is not recommended"

# Every file under /usr, none from the build folder, nothing but what belongs.
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./||' | sort)
expected="usr/bin/corvane usr/bin/corvane-sim
  usr/share/corvane/sounds/Shuffle.wav usr/share/corvane/sounds/CardDeal1.wav usr/share/corvane/sounds/RingOut.wav
  usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml
  usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/man/man6/corvane.6 usr/share/man/man6/corvane-sim.6"
for size in $sizes; do
  expected="$expected usr/share/icons/hicolor/${size}x$size/apps/$id.png"
done
for f in $expected; do
  echo "$files" | grep -qx "$f" || fault "the package lacks /$f"
done
extra=$(echo "$files" | grep -vxF "$(echo $expected | tr ' ' '\n')")
[ -z "$extra" ] || fault "the package holds more: $extra"
dpkg-deb -c "$deb" | awk '{ print $2 }' | grep -qvx 'root/root' && fault "files not owned by root"

[ "$faults" -eq 0 ] && echo "$deb: fields and files as expected"
[ "$faults" -eq 0 ]
