#!/bin/sh
# check_options.sh PROGRAM MANPAGE SOURCE
# Every option the program's source reads is in its --help, and its manual
# page lists exactly the options --help does; one line per fault.
set -u
program=$1 manpage=$2 source=$3
faults=0
fault() { echo "FAULT: $*"; faults=$((faults + 1)); }
options() { grep -o -- '--[a-z][a-z-]*' | sort -u; }

help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help) || fault "$program --help failed"
in_help=$(echo "$help" | options)
in_man=$(sed 's/\\-/-/g' "$manpage" | options)
in_source=$(grep -o -- '"--[a-z][a-z-]*"' "$source" | tr -d '"' | sort -u)

for o in $in_source; do
  echo "$in_help" | grep -qx -- "$o" || fault "$o is read by the program but not in --help"
done
for o in $in_help; do
  echo "$in_man" | grep -qx -- "$o" || fault "$o is in --help but not in $(basename "$manpage")"
done
for o in $in_man; do
  echo "$in_help" | grep -qx -- "$o" || fault "$o is in $(basename "$manpage") but not in --help"
done
[ "$faults" -eq 0 ] && echo "$(basename "$program"): $(echo "$in_help" | wc -l) options, the same in --help and the manual page"
[ "$faults" -eq 0 ]
