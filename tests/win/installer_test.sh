#!/usr/bin/env bash
# The installer under Wine: msiexec installs the two programs and the README into Program
# Files with the Start-menu entry "Расчёт цилиндрической передачи"; the installed form writes
# its hand-off and drawings into the user's documents; msiexec uninstalls everything it
# installed.
# Usage: installer_test.sh MSI DRIVER WORK_DIR WINE
# (a display with a window manager and WINEPREFIX set by the caller)
set -uo pipefail
msi=$(realpath "$1")
driver=$(realpath "$2")
work=$3
wine=$4

rm -rf "$work"
mkdir -p "$work"
work=$(cd "$work" && pwd -P)
compared=0
differing=0
check() {
    compared=$((compared + 1))
    if ! "$@"; then
        differing=$((differing + 1))
        echo "FAILED: $*"
    fi
}

drive=$WINEPREFIX/drive_c
installed="$drive/Program Files/gearpair"
windowsMsi="Z:$(echo "$msi" | tr / '\\')"
# The prefix's documents are a link to the home directory: here a folder of the prefix instead.
documents="$drive/users/$(id -un)/Documents"
[ -L "$documents" ] && rm "$documents"
mkdir -p "$documents"
rm -rf "$documents/gearpair"

"$wine" msiexec /i "$windowsMsi" /qn
check test "$?" = 0
for file in gearpair.exe gearpair-cli.exe DejaVuSans.ttf README.md; do
    check test -f "$installed/$file"
done
entry="Расчёт цилиндрической передачи.lnk"
shortcut() { find "$drive" -name "$entry" -path "*Start Menu*" | grep -q .; }
check shortcut
(cd "$work" && "$wine" "$driver" run 'C:\Program Files\gearpair\gearpair.exe') >/dev/null
check test "$?" = 0
for file in numdir.num transmit.txt path.lsp dwg1/wheel.pdf dwg1/pinion.dxf; do
    check test -f "$documents/gearpair/$file"
done
"$wine" msiexec /x "$windowsMsi" /qn
check test "$?" = 0
check test ! -e "$installed"
check test -z "$(find "$drive" -name "$entry")"

echo "$((compared - differing)) passed, $differing failed"
[ "$differing" -eq 0 ]
