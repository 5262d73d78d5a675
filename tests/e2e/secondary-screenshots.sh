#!/bin/sh
# Pictures of the about box and the template dialog over the built program's main dialog,
# saved as about-dialog.png and template-dialog.png in the build folder.
# Arguments: build folder, main dialog probe, secondary dialog probe.
set -eu
build=$1
probe=$2
secondary=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/quillmark.exe" "$work/"
wine "$work/quillmark.exe" &
program=$!
wine "$probe" rect >/dev/null

shoot() {  # dialog command, picture name
  wine "$secondary" "$1"
  set -- $(wine "$secondary" front | tr -d '\r') "$2"
  sleep 1  # let the controls paint
  import -window root -crop "${1}x${2}+${3}+${4}" +repage "$build/$5"
  wine "$secondary" close-front
  echo "saved $build/$5 (${1}x${2})"
}
shoot about about-dialog.png
shoot template template-dialog.png
wine "$probe" close
wait "$program"
