#!/usr/bin/env bash
# The Windows desktop program in real windows under Wine, against the Linux command line:
# three designs entered in the form and started with Enter, the results dialog's texts, the
# report saved from the details window and the hand-off files the same bytes as the Linux
# program's ("path.lsp" differs by the directory's Windows name only); a value that is not a
# number gets its message and the field keeps the focus; Tab from the speed reaches the chosen
# arrangement picture and Right chooses the next. "Чертежи..." opens the drawing window
# beside the results dialog with its sheet painted, a title-block text entered there is the next
# session's, and each run's dwgN holds the same drawings as the Linux program's. "Валы..." opens
# the shafts window beside the dialog with the output shaft's figure painted and its first
# bearing the Linux program's; a span that is not a number gets its message and stays typed, a
# longer one designs the shafts again.
# The variants window opens beside the form with the Linux search's rows, and a row chosen
# fills the form.
# Usage: windows_program_test.sh LINUX_CLI PROGRAM DRIVER WORK_DIR WINE
# (a display, DISPLAY, with a window manager, and WINEPREFIX set by the caller)
set -uo pipefail
linux=$1
program=$2
driver=$3
work=$4
wine=$5

driver=$(realpath "$driver")
rm -rf "$work"
mkdir -p "$work/Linux Run" "$work/Windows Run"
work=$(cd "$work" && pwd -P)
cp "$program" "$work/Windows Run/gearpair.exe"
# The drawings' font beside the program, as the installer puts it.
font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
cp "$font" "$work/Windows Run/"
# The drawings carry the default title-block texts: none remembered from an earlier session.
"$wine" reg delete 'HKCU\Software\gearpair\drawing' /f >/dev/null 2>&1
windowsProgram="Z:$(cd "$work/Windows Run" && pwd -P | tr / '\\')\\gearpair.exe"
compared=0
differing=0

check() {
    compared=$((compared + 1))
    if ! "$@"; then
        differing=$((differing + 1))
        echo "DIFFERENT: $*"
    fi
}

# The form's controls: 1001 ratio, 1002 width, 1003 hardness, 1006 power, 1007 speed.
design() {
    local name=$1
    local fields=$2
    shift 2
    "$linux" --handoff-dir "$work/Linux Run" --rtf "$work/Linux Run/result.rtf" "$@" \
        >"$work/$name.linux"
    # shellcheck disable=SC2086  # the fields are separate arguments
    (cd "$work/Windows Run" && "$wine" "$driver" run "$windowsProgram" $fields) \
        >"$work/$name.windows" 2>"$work/$name.windows.err"
    check test "$?" = 0
    cat "$work/$name.windows.err"
    # Every "caption: value" line of the results dialog is a line of the Linux program's text.
    tail -n 6 "$work/$name.windows" | tr -d '\r' >"$work/$name.results"
    check test "$(wc -l <"$work/$name.results")" = 6
    check test -z "$(grep -Fxv -f "$work/$name.linux" "$work/$name.results")"
    for file in numdir.num transmit.txt result.rtf; do
        check cmp -s "$work/Linux Run/$file" "$work/Windows Run/$file"
    done
}

design default ""
design recalculated "1001=2 1002=0,315 1003=300" --ratio 2 --width 0,315 --hardness 300
design fallback "1006=60 1007=10000" --power 60 --speed 10000
windowsDir=$(cd "$work/Windows Run" && pwd -P | tr 'A-Z' 'a-z')
check test "$(cat "$work/Windows Run/path.lsp")" = "(setq savedwg \"z:$windowsDir/dwg3/\")"

(cd "$work/Windows Run" && "$wine" "$driver" bad-value "$windowsProgram") | tr -d '\r' \
    >"$work/bad-value.windows"
check test "$(cat "$work/bad-value.windows")" = "$(printf 'Неправильно введено значение\nfocus kept')"

# The arrangement pictures in the tab order after the speed: Tab stops at the chosen one (the
# second), Right chooses the third and takes the focus and the stop with it, Tab goes on to OK.
(cd "$work/Windows Run" && "$wine" "$driver" arrangement "$windowsProgram") | tr -d '\r' \
    >"$work/arrangement.windows"
check test "$(cat "$work/arrangement.windows")" = \
    "$(printf 'picture 1009 stop 1009\npicture 1010 stop 1010\nnext OK')"

# The drawing window, in a directory of its own so that the runs above keep their numbers.
mkdir -p "$work/Drawings Run"
cp "$program" "$work/Drawings Run/gearpair.exe"
cp "$font" "$work/Drawings Run/"
drawingsProgram="Z:$(cd "$work/Drawings Run" && pwd -P | tr / '\\')\\gearpair.exe"
(cd "$work/Drawings Run" && "$wine" "$driver" drawings "$drawingsProgram") | tr -d '\r' \
    >"$work/drawings.windows"
check test "$(cat "$work/drawings.windows")" = "$(printf 'Чертежи\nbeside\npainted\nПетров')"
"$wine" reg delete 'HKCU\Software\gearpair\drawing' /f >/dev/null 2>&1
"$linux" --drawings "$work/Linux Drawings" >/dev/null
for file in wheel.dxf wheel.pdf pinion.dxf pinion.pdf; do
    check cmp -s "$work/Linux Drawings/$file" "$work/Drawings Run/dwg1/$file"
    for run in dwg2 dwg3; do
        check cmp -s "$work/Linux Run/$run/$file" "$work/Windows Run/$run/$file"
    done
done

# The shafts window of the default design against the Linux program's first bearing of the
# output shaft.
linuxBearing=$("$linux" --json | grep -o '"shafts": {.*' | grep -o '"output": {.*' |
    grep -o '"designation": "[^"]*"' | head -n 1 | cut -d'"' -f4)
check test -n "$linuxBearing"
(cd "$work/Drawings Run" && "$wine" "$driver" shafts "$drawingsProgram") | tr -d '\r' \
    >"$work/shafts.windows"
check test "$(cat "$work/shafts.windows")" = "$(printf '%s\n' 'Валы и подшипники' beside painted \
    "bearing $linuxBearing" 'Пролёт: «abc» — не число.' 'text kept' recalculated closed)"

# The variants window against the Linux search: as many rows, the first one's texts (the
# Pareto set marked "●"), Enter on it filling the form's width, helix and hardness.
"$linux" --explore >"$work/variants.csv"
(cd "$work/Windows Run" && "$wine" "$driver" variants "$windowsProgram") >"$work/variants.out"
check test "$?" = 0
tr -d '\r' <"$work/variants.out" >"$work/variants.windows"
check test "$(sed -n 1p "$work/variants.windows")" = "rows $(($(wc -l <"$work/variants.csv") - 1))"
firstRow=$(awk -F';' 'NR == 2 {
    row = $6 ";" $7 ";" $4
    for (i = 10; i <= 22; i++) row = row ";" $i
    print row ";" ($23 == "1" ? "●" : "") ";" $24 }' "$work/variants.csv")
check test "$(sed -n 2p "$work/variants.windows")" = "first $firstRow"
check test "$(sed -n 3p "$work/variants.windows")" = "form $(echo "$firstRow" | cut -d';' -f1-3)"
check test "$(sed -n 4p "$work/variants.windows")" = "closed"

echo "$((compared - differing)) passed, $differing failed"
[ "$differing" -eq 0 ]
