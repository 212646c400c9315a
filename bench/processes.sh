#!/bin/bash
# Times korvane as whole processes, each the median of several runs, against /bin/true, against
# the toolkit's own start (bench_core_start, bench_gui_start, built beside the benchmarks) and
# against the one-thread read of a file of 10^6 lines, all in the same run, and prints the
# ratios: what a user waits for, start-up and all. Run it on a quiet machine.
#   bench/processes.sh [KORVANE] [RUNS] [BENCH_DIR]
set -euo pipefail
korvane=${1:-build/default/app/korvane}
runs=${2:-7}
bench=${3:-$(dirname "$korvane")/../bench}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY

# One sweep from 1 MHz down to 10 mHz over a resistor and an RC element: 61 lines, and 10^6.
sweep() {
    awk -v n="$1" 'BEGIN { srand(7); for (i = 0; i < n; i++) {
        f = 10 ^ (6 - 8 * i / (n - 1)); w = 2 * 3.14159265 * f * 1e-3; d = 1 + w * w
        printf "%.6e\t%.6e\t%.6e\n", f, 10 + 100 / d + rand() * 1e-3, -100 * w / d } }'
}
sweep 61 >"$work/small.txt"
sweep 1000000 >"$work/big.txt"
mkdir "$work/out"
for i in $(seq 100); do cp "$work/small.txt" "$work/s$i.txt"; done

# The median of `runs` runs of the command, in microseconds; bash's own clock, so that starting
# a clock program is not timed with it.
median() {
    for _ in $(seq "$runs"); do
        local start end
        start=${EPOCHREALTIME/[.,]/}
        "$@" >/dev/null 2>&1 || true
        end=${EPOCHREALTIME/[.,]/}
        echo $((end - start))
    done | sort -n | sed -n "$(((runs + 1) / 2))p"
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Two one-thread reads at once: how many cores' worth of reading the machine gives, which
# bounds what reading on every core can gain.
two_at_once() {
    "$korvane" --threads 1 --info "$work/big.txt" &
    "$korvane" --threads 1 --info "$work/big.txt"
    wait
}

true=$(median /bin/true)
core_start=$(median "$bench/bench_core_start")
gui_start=$(median "$bench/bench_gui_start" "$work/out/g.png")
one=$(median "$korvane" --threads 1 --info "$work/big.txt")
pair=$(median two_at_once)
small_files=("$work"/s*.txt)
declare -A took
took[version]=$(median "$korvane" --version)
took[info]=$(median "$korvane" --info "$work/small.txt")
took[snapshot]=$(median "$korvane" --snapshot "$work/out/s.png" "$work/small.txt")
took[export100]=$(median "$korvane" --export "$work/out/" "${small_files[@]}")
took[export1]=$(median "$korvane" --export "$work/out/one.csv" "$work/small.txt")
took[big]=$(median "$korvane" --info "$work/big.txt")
took[bigsnapshot]=$(median "$korvane" --snapshot "$work/out/b.png" "$work/big.txt")

echo "against /bin/true (start-up):"
echo "  --version                          $(ratio "${took[version]}" "$true")"
echo "  --info, 61 lines                   $(ratio "${took[info]}" "$true")"
echo "  --snapshot, 61 lines               $(ratio "${took[snapshot]}" "$true")"
echo "start-up, against the toolkit's own start with nothing else:"
echo "  --version, against QCoreApplication          $(ratio "${took[version]}" "$core_start")"
echo "  --info, 61 lines, against QCoreApplication   $(ratio "${took[info]}" "$core_start")"
echo "  --snapshot, 61 lines, against QGuiApplication writing one text as a PNG  $(ratio \
    "${took[snapshot]}" "$gui_start")"
echo "several files in one process:"
echo "  --export DIR/ of 100 files, against 100 runs of one  $(ratio "${took[export100]}" \
    $((100 * took[export1])))"
echo "against --info --threads 1 on 10^6 lines:"
echo "  cores' worth of two such reads at once (2.00: two whole cores)  $(ratio $((2 * one)) "$pair")"
echo "  --info, every core                 $(ratio "${took[big]}" "$one")"
echo "  --snapshot, every core             $(ratio "${took[bigsnapshot]}" "$one")"
echo "  --snapshot against --info, every core  $(ratio "${took[bigsnapshot]}" "${took[big]}")"
