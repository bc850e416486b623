#!/usr/bin/env bash
# Batch throughput of gearpair-cli on one core: designs per second and peak memory for batch
# files of the design sample with 10 000 and 100 000 rows (flat memory means the same peak for
# both). Each size runs several times; the medians are printed.
# Usage: bench/batch_throughput.sh [build directory, default build] [runs, default 5]
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${2:-5}
rows_program="$build/bench/gearpair-batch-rows"
cli="$build/cli/gearpair-cli"
for program in "$rows_program" "$cli"; do
    [ -x "$program" ] || { echo "missing $program: build the project first" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints the median of the numbers on standard input, one per line.
median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One core for the program under test, when the machine lets us choose.
pin=()
if command -v taskset >/dev/null && taskset -c 0 true 2>/dev/null; then pin=(taskset -c 0); fi

echo "rows     wall s   cpu s   designs/s (wall)   designs/s (cpu)   peak KB"
for count in 10000 100000; do
    "$rows_program" "$count" >"$work/rows.csv"
    : >"$work/figures"
    for _ in $(seq "$runs"); do
        # Exit code 1 only says that some rows stopped; the run itself must have written
        # every row.
        start=$EPOCHREALTIME
        /usr/bin/time -f "%U %S %M" -o "$work/time" \
            "${pin[@]}" "$cli" --batch "$work/rows.csv" >"$work/out.csv" || [ $? -eq 1 ]
        end=$EPOCHREALTIME
        lines=$(wc -l <"$work/out.csv")
        [ "$lines" -eq $((count + 1)) ] || { echo "expected $((count + 1)) lines, got $lines" >&2; exit 1; }
        echo "$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }') $(tail -n 1 "$work/time")" >>"$work/figures"
    done
    wall=$(awk '{ print $1 }' "$work/figures" | median)
    cpu=$(awk '{ print $2 + $3 }' "$work/figures" | median)
    peak=$(awk '{ print $4 }' "$work/figures" | median)
    awk -v n="$count" -v w="$wall" -v c="$cpu" -v p="$peak" \
        'BEGIN { printf "%-8d %-8.2f %-7.2f %-18.0f %-17.0f %d\n", n, w, c, n / w, n / c, p }'
done
echo "target: at least 100000 designs per second on one core; the same peak for both sizes"
