#!/usr/bin/env bash
# The Windows program gives the same bytes as the Linux one: the JSON (report, results,
# hand-off list) and the text of worked designs, a batch over a sample of the input domain,
# the RTF report, and the hand-off files, where only "path.lsp" differs, by the Windows
# program directory (drive z: for the root of the Linux file system under Wine, ASCII letters
# lower-cased, forward slashes); and, where the build has them, the drawings and the models.
# Usage: same_output_windows.sh LINUX_CLI WINDOWS_CLI WORK_DIR EMULATOR...
set -uo pipefail
linux=$1
windows=$2
work=$3
shift 3
emulator=("$@")

rm -rf "$work"
mkdir -p "$work"
compared=0
differing=0

# Runs both programs with the same arguments and compares standard output, standard error
# and the exit code.
same() {
    local name=$1
    shift
    "$linux" "$@" >"$work/$name.linux" 2>"$work/$name.linux.err"
    local linuxCode=$?
    "${emulator[@]}" "$windows" "$@" >"$work/$name.windows" 2>"$work/$name.windows.err"
    local windowsCode=$?
    compared=$((compared + 1))
    if ! cmp -s "$work/$name.linux" "$work/$name.windows" ||
        ! cmp -s "$work/$name.linux.err" "$work/$name.windows.err" ||
        [ "$linuxCode" != "$windowsCode" ]; then
        differing=$((differing + 1))
        echo "DIFFERENT: $name (exit $linuxCode / $windowsCode)"
        diff "$work/$name.linux" "$work/$name.windows" | head -5
        diff "$work/$name.linux.err" "$work/$name.windows.err" | head -5
    fi
}

# Compares two files that must hold the same bytes.
same_file() {
    compared=$((compared + 1))
    if ! cmp -s "$1" "$2"; then
        differing=$((differing + 1))
        echo "DIFFERENT: $1 / $2"
    fi
}

# Compares a file with the bytes it must hold.
holds() {
    compared=$((compared + 1))
    if [ "$(cat "$1")" != "$2" ]; then
        differing=$((differing + 1))
        echo "DIFFERENT: $1 holds $(cat "$1"), expected $2"
    fi
}

# The three worked designs: the defaults; one recalculation; the 400 fallback.
same default --json
same recalculated --json --ratio 2 --width 0,315 --hardness 300
same fallback --json --power 60 --speed 10000
same default-text
same no-data --json --arrangement 1 --width 0,63

# Corners and the middle of the typed fields, and every arrangement, as JSON with the report.
same corner-low --json --ratio 7,1 --power 60 --speed 1 --hardness 207 --life 10000 \
    --width 0,315 --helix 8 --arrangement 1
same corner-high --json --ratio 2 --power 55000 --speed 10000 --hardness 652 --life 40000 \
    --width 0,63 --helix 20 --arrangement 2
same middle --json --ratio 4,5 --power 1234,5 --speed 733,3 --hardness 401 --life 27500 \
    --width 0,4 --helix 11 --arrangement 3
same exponent --json --power 6e3 --speed " 8,63E1 "
same shafts-text --shafts --layout "input.span=300;output.load=0;kb=1,4"
same shafts-overhang --json --arrangement 1 --ratio 4 --hardness 450 --speed 1000

# A sample of the input domain in one batch: every list value crossed with the arrangements
# and every helix angle, each row with typed values drawn from their ranges.
ratios=(2 2,24 2,5 2,8 3,15 3,55 4 4,5 5,0 5,6 6,3 7,1)
widths=(0,315 0,355 0,4 0,45 0,5 0,56 0,63)
powers=(60 600 6000 12500,5 25000 55000 333)
speeds=(1 10 86,3 250 1000 2900 10000 47,5)
hardnesses=(207 250 300,5 350 452 652)
lives=(10000 15000 22222 40000)
{
    echo "ratio;power;speed;hardness;life;width;helix;arrangement"
    row=0
    for ratio in "${ratios[@]}"; do
        for width in "${widths[@]}"; do
            for arrangement in 1 2 3; do
                for helix in {8..20}; do
                    row=$((row + 1))
                    echo "$ratio;${powers[row % 7]};${speeds[row % 8]};${hardnesses[row % 6]};${lives[row % 4]};$width;$helix;$arrangement"
                done
            done
        done
    done
} >"$work/sample.csv"
same sample-batch --batch "$work/sample.csv"

# The hand-off: two runs into each program's own directory, the second with the RTF report.
# The Windows program is given the Windows name of its directory (drive Z: is the root of the
# Linux file system under Wine), with an upper-case drive letter and backslashes.
mkdir -p "$work/Linux Run" "$work/Windows Run"
windowsName() {
    local path
    path=$(cd "$1" && pwd -P)
    echo "Z:${path//\//\\}"
}
linuxRun="$work/Linux Run"
windowsRun=$(windowsName "$work/Windows Run")
# Both programs draw the parts into dwgN; the list of drawings names the files each program's
# own way, so it is left out of what is compared (the JSON key's value, the text's last block),
# and the drawings themselves are compared with the files below.
withoutDrawings() {
    perl -0pe 's/"drawings": (null|\[[^]]*\])/"drawings": -/; s/\n\nЧертежи:\n.*\z/\n/s' "$1" >"$1.compared"
}
"$linux" --json --handoff-dir "$linuxRun" >"$work/handoff-1.linux"
"${emulator[@]}" "$windows" --json --handoff-dir "$windowsRun" >"$work/handoff-1.windows"
withoutDrawings "$work/handoff-1.linux"
withoutDrawings "$work/handoff-1.windows"
same_file "$work/handoff-1.linux.compared" "$work/handoff-1.windows.compared"
"$linux" --ratio 3,15 --handoff-dir "$linuxRun" --rtf "$linuxRun/result.rtf" \
    >"$work/handoff-2.linux"
"${emulator[@]}" "$windows" --ratio 3,15 --handoff-dir "$windowsRun" \
    --rtf "$windowsRun\\result.rtf" >"$work/handoff-2.windows"
withoutDrawings "$work/handoff-2.linux"
withoutDrawings "$work/handoff-2.windows"
same_file "$work/handoff-2.linux.compared" "$work/handoff-2.windows.compared"
for file in numdir.num transmit.txt result.rtf; do
    same_file "$work/Linux Run/$file" "$work/Windows Run/$file"
done
if [ "${GEARPAIR_DRAWINGS:-0}" = 1 ]; then
    for file in wheel.dxf wheel.pdf pinion.dxf pinion.pdf; do
        same_file "$work/Linux Run/dwg2/$file" "$work/Windows Run/dwg2/$file"
    done
fi
linuxDir=$(cd "$work/Linux Run" && pwd -P)
windowsDir=$(cd "$work/Windows Run" && pwd -P | tr 'A-Z' 'a-z')
holds "$work/Linux Run/path.lsp" "(setq savedwg \"$linuxDir/dwg2/\")"
holds "$work/Windows Run/path.lsp" "(setq savedwg \"z:$windowsDir/dwg2/\")"
compared=$((compared + 1))
if [ ! -d "$work/Windows Run/dwg1" ] || [ ! -d "$work/Windows Run/dwg2" ]; then
    differing=$((differing + 1))
    echo "DIFFERENT: the Windows program made no dwg1 and dwg2"
fi

# The drawings and the model files, where the build has them (GEARPAIR_DRAWINGS and
# GEARPAIR_MODELS set to 1): every file of the defaults, a recalculated design and one whose
# pinion is a gear shaft, from the same options, each program writing into its own directories.
files() {
    local name=$1
    shift
    local linuxDir="$work/files $name/linux" windowsDir="$work/files $name/windows"
    mkdir -p "$linuxDir" "$windowsDir"
    local options=() windowsOptions=() expected=()
    if [ "${GEARPAIR_DRAWINGS:-0}" = 1 ]; then
        options+=(--drawings "$linuxDir/drawings")
        windowsOptions+=(--drawings "$(windowsName "$windowsDir")\\drawings")
        expected+=(drawings/{wheel,pinion}.{dxf,pdf,svg})
    fi
    if [ "${GEARPAIR_DRAWINGS:-0}" = 1 ]; then
        options+=(--shafts-figures "$linuxDir/shafts")
        windowsOptions+=(--shafts-figures "$(windowsName "$windowsDir")\\shafts")
        expected+=(shafts/{input,output}.{pdf,svg})
    fi
    options+=(--shafts-rtf "$linuxDir/shafts.rtf")
    windowsOptions+=(--shafts-rtf "$(windowsName "$windowsDir")\\shafts.rtf")
    expected+=(shafts.rtf)
    if [ "${GEARPAIR_MODELS:-0}" = 1 ]; then
        options+=(--models "$linuxDir/models")
        windowsOptions+=(--models "$(windowsName "$windowsDir")\\models")
        expected+=(models/{wheel,pinion}-profile.dxf models/{wheel,pinion}.stl)
    fi
    "$linux" "$@" "${options[@]}" >"$work/files-$name.linux" 2>&1
    "${emulator[@]}" "$windows" "$@" "${windowsOptions[@]}" >"$work/files-$name.windows" 2>&1
    for file in "${expected[@]}"; do
        same_file "$linuxDir/$file" "$windowsDir/$file"
    done
}
files default
files recalculated --ratio 2 --width 0,315 --hardness 300 --helix 12
files gear-shaft --ratio 4 --hardness 450 --speed 1000

echo "$((compared - differing)) passed, $differing failed"
[ "$differing" -eq 0 ]
