#!/bin/sh
# Shows the built program's main dialog expanded on the current (virtual) display and saves a
# PNG of it as main-dialog.png in the build folder. Arguments: build folder, probe program.
set -eu
build=$1
probe=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$build/quillmark.exe" "$work/"
# Private settings beside the copy: open expanded with a filter, as a user would see it.
printf '[CONFIG]\r\nEXPAND=1\r\nFILTER=1\r\n[STRINGS]\r\nDIRNAME=C:\\データ\r\nFILENAME=C:\\データ\\一覧.txt\r\nFILTER=*.txt;*.csv\r\n' |
  iconv -f UTF-8 -t CP932 >"$work/quillmark.ini"
wine "$work/quillmark.exe" &
program=$!
set -- $(wine "$probe" rect | tr -d '\r')
sleep 1  # let the controls paint
import -window root -crop "${1}x${2}+${3}+${4}" +repage "$build/main-dialog.png"
wine "$probe" close
wait "$program"
echo "saved $build/main-dialog.png (${1}x${2})"
