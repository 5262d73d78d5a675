#!/bin/sh
# Pictures of the about box, the template dialog and the dropped-file choices over the built
# program's main dialog, saved as about-dialog.png, template-dialog.png and choices-dialog.png
# in the build folder.
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

shoot() {  # picture name, command that opens the dialog...
  picture=$1
  shift
  wine "$secondary" "$@"
  set -- $(wine "$secondary" front | tr -d '\r') "$picture"
  sleep 1  # let the controls paint
  import -window root -crop "${1}x${2}+${3}+${4}" +repage "$build/$5"
  wine "$secondary" close-front
  echo "saved $build/$5 (${1}x${2})"
}
shoot about-dialog.png about
shoot template-dialog.png template
echo sample >"$work/sample.txt"
shoot choices-dialog.png drop "$(winepath -w "$work/sample.txt")"
wine "$probe" close
wait "$program"
