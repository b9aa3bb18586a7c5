#!/bin/sh
# check_install.sh CMAKE BUILD PREFIX APP_ID VERSION BINDIR DATADIR MANDIR "ICON_SIZES"
# Installs BUILD into PREFIX and checks what came out; one line per fault.
set -u
cmake=$1 build=$2 prefix=$3 id=$4 version=$5 bindir=$6 datadir=$7 mandir=$8 sizes=$9
faults=0
fault() { echo "FAULT: $*"; faults=$((faults + 1)); }

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAULT: cmake --install failed"; exit 1; }
prefix=$(cd "$prefix" && pwd -P)

bin=$prefix/$bindir
share=$prefix/$datadir
icons=$share/icons/hicolor
expected="$bin/corvane $bin/corvane-sim
  $share/corvane/sounds/Shuffle.wav $share/corvane/sounds/CardDeal1.wav $share/corvane/sounds/RingOut.wav
  $share/applications/$id.desktop $share/metainfo/$id.metainfo.xml $icons/scalable/apps/$id.svg
  $prefix/$mandir/man6/corvane.6 $prefix/$mandir/man6/corvane-sim.6"
for size in $sizes; do
  expected="$expected $icons/${size}x$size/apps/$id.png"
done
for f in $expected; do
  [ -s "$f" ] || fault "missing or empty: $f"
done
for p in corvane corvane-sim; do
  [ -x "$bin/$p" ] || fault "not executable: $bin/$p"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in $sizes; do
  png=$icons/${size}x$size/apps/$id.png
  [ -s "$png" ] || continue
  magic=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
  [ "$magic" = 89504e470d0a1a0a ] || fault "$png is not a PNG"
  width=$(od -An -tu4 --endian=big -j16 -N4 "$png" | tr -d ' ')
  height=$(od -An -tu4 --endian=big -j20 -N4 "$png" | tr -d ' ')
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fault "$png is ${width}x$height, not ${size}x$size"
done

# The desktop entry starts an installed program and names the installed icon;
# the metainfo launches that very entry.
desktop=$share/applications/$id.desktop
if [ -s "$desktop" ]; then
  exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -n "$exec_program" ] && [ -x "$bin/$exec_program" ] || fault "Exec=$exec_program is not an installed program"
  icon=$(sed -n 's/^Icon=//p' "$desktop")
  [ "$icon" = "$id" ] || fault "Icon=$icon is not the installed icon $id"
fi
metainfo=$share/metainfo/$id.metainfo.xml
if [ -s "$metainfo" ]; then
  grep -q "<id>$id</id>" "$metainfo" || fault "metainfo id is not $id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fault "metainfo launches another entry"
  grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"" "$metainfo" ||
    fault "metainfo has no release $version with a date"
fi
grep -q '@[A-Z_]*@' "$metainfo" "$prefix/$mandir/man6/corvane.6" "$prefix/$mandir/man6/corvane-sim.6" &&
  fault "a placeholder was left unfilled"
grep -q "^\.TH CORVANE 6 .*$version" "$prefix/$mandir/man6/corvane.6" || fault "corvane.6 has no title line with $version"

# The sounds are installed apart from the program, and it finds them there.
ls "$bin"/*.wav >/dev/null 2>&1 && fault "sound files were installed beside the program"
out=$("$bin/corvane" --version 2>&1) || fault "installed corvane --version failed"
[ "$out" = "corvane $version" ] || fault "installed corvane --version said: $out"
out=$("$bin/corvane" --print-paths 2>&1) || fault "installed corvane --print-paths failed"
echo "$out" | grep -qx "sounds: $share/corvane/sounds" || fault "installed corvane does not read its sounds from $share/corvane/sounds: $out"
out=$("$bin/corvane-sim" --games 1 2>&1) || fault "installed corvane-sim --games 1 failed"
echo "$out" | grep -qx "games 1" || fault "installed corvane-sim --games 1 said: $out"

[ "$faults" -eq 0 ] && echo "installed into $prefix: every file in place, both programs start"
[ "$faults" -eq 0 ]
