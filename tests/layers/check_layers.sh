#!/usr/bin/env bash
# Fails when a file in src/<layer>/ includes a header of a layer that is not
# below its own, or any window-system header: the core must build for every
# host. The layers below each one mirror the links in src/CMakeLists.txt;
# a new link there is a design change and belongs here too.
set -u
src=${1:?usage: check_layers.sh SRC_DIR}
declare -A below=(
  [geometry]=""
  [raster]="geometry"
  [curves]="geometry"
  [editing]="geometry"
  [ui]="curves editing geometry"
  [inspect]="curves geometry"
  [script]="ui curves editing geometry"
  [core]="ui inspect curves editing raster geometry"
  [launch]="script core ui inspect curves editing raster geometry"
)
status=0
for dir in "$src"/*/; do
  layer=$(basename "$dir")
  if [[ -z ${below[$layer]+set} ]]; then
    echo "$dir: a layer this check does not know"
    status=1
    continue
  fi
  allowed=" $layer ${below[$layer]} "
  while IFS=: read -r file line text; do
    header=${text#*\"}
    header=${header%%\"*}
    if [[ $header == */* && $allowed != *" ${header%%/*} "* ]]; then
      echo "$file:$line: $layer includes $header"
      status=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s*"' "$dir")
  if grep -rnE '^\s*#\s*include\s*<(Q|emscripten|[Ww]indows\.h|[Ww]in[a-z0-9]*\.h)' "$dir"; then
    status=1
  fi
done
exit $status
