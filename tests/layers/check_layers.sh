#!/bin/sh
# Each folder of src/ may include only itself and the layers below it; the
# first include that reaches up fails the check, naming the file and line.
# Usage: check_layers.sh <src folder>
src=${1:?usage: check_layers.sh <src folder>}
# folder: the folders its files may include
allowed() {
  case $1 in
    table) echo "table" ;;
    rules) echo "table rules" ;;
    expert) echo "table rules engine expert" ;;
    engine) echo "table rules engine" ;;
    files) echo "table files" ;;
    record) echo "table rules engine expert record" ;;
    scene) echo "table scene" ;;
    session) echo "table rules engine record scene expert session" ;;
    sim) echo "table rules engine record expert sim" ;;
    ui) echo "table rules engine files record scene expert session ui" ;;
    *) echo "" ;;
  esac
}
status=0
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  ok=$(allowed "$layer")
  if [ -z "$ok" ]; then
    echo "src/$layer is no known layer"
    status=1
    continue
  fi
  for file in $(find "$dir" -name '*.h' -o -name '*.cpp'); do
    grep -n '^#include "' "$file" | while IFS= read -r line; do
      # A name without a folder is a neighbour in the same folder.
      target=$(echo "$line" | sed -E -e 's/^[0-9]+:#include "([^/"]+)\/.*/\1/' -e "s/^[0-9]+:#include \"[^/\"]*\".*/$layer/")
      case " $ok " in
        *" $target "*) ;;
        *) echo "${file#$src/}:${line%%:*}: src/$layer includes src/$target" ;;
      esac
    done
  done
done > /tmp/check_layers.$$
if [ -s /tmp/check_layers.$$ ]; then
  cat /tmp/check_layers.$$
  status=1
fi
rm -f /tmp/check_layers.$$
[ $status -eq 0 ] && echo "every include stays in its layer or below"
exit $status
