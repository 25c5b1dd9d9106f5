#!/usr/bin/env bash
# Times mailfolder against the floor (bench/floor.cpp) on synthetic stores of 10k, 100k and 1M
# records, side by side in one run, alternating the two so that both see the same machine.
# Prints per scale the median wall time of each, their ratio, and peak resident memory; then the
# three outputs (the report, --json, --check) side by side on the largest store, each against
# the report; then the instructions per record that callgrind counts at 100k (steady where wall
# time is noisy).
#
#   run.sh BUILD_DIR [SCALE...]        (BUILD_DIR built with -DMAILFOLDER_BENCHMARKS=ON)
set -euo pipefail
build=$(realpath "$1")
shift
scales=("$@")
[ ${#scales[@]} -gt 0 ] || scales=(10000 100000 1000000)
tool=$build/mailfolder
floor=$build/bench/floor
stores=$build/bench/stores

seconds() {
    local start=$EPOCHREALTIME
    "$@" > /dev/null
    local end=$EPOCHREALTIME
    echo "$start $end" | awk '{ printf "%.6f\n", $2 - $1 }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
peak_kib() { /usr/bin/time -f %M "$@" 2>&1 > /dev/null | tail -n 1; }

printf '%-9s %6s %12s %12s %8s %14s %12s\n' records runs mailfolder_s floor_s ratio mailfolder_KiB floor_KiB
for records in "${scales[@]}"; do
    store=$stores/$records
    if [ ! -f "$store/HIERARCH.QX" ]; then
        rm -rf "$store"
        "$build/bench/make_store" "$store" "$records"
    fi
    runs=$((records >= 1000000 ? 7 : records >= 100000 ? 11 : 21))
    cd "$store"
    # One untimed run of each so both start with the store in the page cache.
    "$tool" > /dev/null
    "$floor" > /dev/null
    : > tool.times
    : > floor.times
    for ((run = 0; run < runs; ++run)); do
        seconds "$tool" >> tool.times
        seconds "$floor" >> floor.times
    done
    tool_median=$(median < tool.times)
    floor_median=$(median < floor.times)
    printf '%-9s %6s %12.4f %12.4f %8.3f %14s %12s\n' "$records" "$runs" "$tool_median" "$floor_median" \
        "$(awk -v a="$tool_median" -v b="$floor_median" 'BEGIN { print a / b }')" \
        "$(peak_kib "$tool")" "$(peak_kib "$floor")"
    rm -f tool.times floor.times
    cd - > /dev/null
done

# The three outputs side by side on the largest store, alternating, each against the report.
records=${scales[$((${#scales[@]} - 1))]}
echo
printf '%-9s %9s %6s %12s %14s %14s\n' output records runs median_s ratio_to_text peak_KiB
cd "$stores/$records"
modes=(text --json --check)
runs=$((records >= 1000000 ? 7 : 11))
for mode in "${modes[@]}"; do : > "times$mode"; done
for ((run = 0; run < runs; ++run)); do
    for mode in "${modes[@]}"; do
        if [ "$mode" = text ]; then seconds "$tool"; else seconds "$tool" "$mode"; fi >> "times$mode" || true
    done
done
text_median=$(median < timestext)
for mode in "${modes[@]}"; do
    mode_median=$(median < "times$mode")
    if [ "$mode" = text ]; then kib=$(peak_kib "$tool"); else kib=$(peak_kib "$tool" "$mode" || true); fi
    printf '%-9s %9s %6s %12.4f %14.3f %14s\n' "$mode" "$records" "$runs" "$mode_median" \
        "$(awk -v a="$mode_median" -v b="$text_median" 'BEGIN { print a / b }')" "$kib"
    rm -f "times$mode"
done
cd - > /dev/null

# Hostile hierarchy files at two sizes: time should double with the size, memory stay flat.
echo
printf '%-26s %10s %12s %14s\n' hostile_input MB mailfolder_s mailfolder_KiB
hostile=$stores/hostile
mkdir -p "$hostile"
for kind in single-line empty-lines nul-bytes; do
    for megabytes in 20 40; do
        dir=$hostile/$kind-$megabytes
        if [ ! -f "$dir/HIERARCH.QX" ]; then
            mkdir -p "$dir"
            case $kind in
                single-line) head -c $((megabytes * 1000000)) /dev/zero | tr '\0' 'x' ;;
                empty-lines) { yes '' || true; } | head -n $((megabytes * 1000000)) ;;
                nul-bytes) head -c $((megabytes * 1000000)) /dev/zero ;;
            esac > "$dir/HIERARCH.QX"
        fi
        cd "$dir"
        "$tool" > /dev/null 2>&1
        : > tool.times
        for ((run = 0; run < 5; ++run)); do seconds "$tool" 2> /dev/null >> tool.times; done
        printf '%-26s %10s %12.4f %14s\n' "$kind" "$megabytes" "$(median < tool.times)" "$(peak_kib "$tool" 2> /dev/null)"
        rm -f tool.times
        cd - > /dev/null
    done
done
echo

if command -v valgrind > /dev/null; then
    records=100000
    store=$stores/$records
    [ -f "$store/HIERARCH.QX" ] || "$build/bench/make_store" "$store" "$records"
    instructions=$(cd "$store" && valgrind --tool=callgrind --callgrind-out-file=/dev/null "$tool" 2>&1 > /dev/null |
        sed -n 's/.*Collected : //p')
    echo "callgrind at $records records: $instructions instructions, $((instructions / records)) per record"
fi
