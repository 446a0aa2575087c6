#!/usr/bin/env bash
# Times chronoflip-cli on large generated files against cp and awk, and reports peak
# memory. Run by hand after a release build: bash bench/run.sh [build-folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin=$build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

measure() {  # prints "seconds peak-KiB" of the command: best wall time of five, its memory
    local best="" seconds
    for _ in 1 2 3 4 5; do
        rm -f "$work"/e_* "$work/copy"  # truncating a big old output would be timed too
        seconds=$( { TIMEFORMAT=%3R; time /usr/bin/time -o "$work/time" -f "%M" "$@" \
            >/dev/null 2>&1; } 2>&1)
        if [[ -z $best ]] || awk "BEGIN{exit !($seconds < ${best%% *})}"; then
            best="$seconds $(tail -1 "$work/time")"
        fi
    done
    echo "$best"
}

report() {  # kind source
    local kind=$1 source=$2 size cp dd cli
    size=$(du -m "$source" | cut -f1)
    cp=$(measure cp "$source" "$work/copy")
    dd=$(measure dd if="$source" of="$work/copy" bs=256k status=none)
    cli=$(measure "$bin/chronoflip-cli" shift "$source")
    printf '%-4s %4d MB  cp %6ss  dd %6ss  chronoflip-cli %6ss  peak %6d KiB' "$kind" \
        "$size" "${cp%% *}" "${dd%% *}" "${cli%% *}" "${cli##* }"
    if [[ $kind == obs ]]; then
        local awk
        awk=$(measure awk -f bench/shift_observation.awk "$source")
        printf '  awk %6ss' "${awk%% *}"
    fi
    echo
}

"$bin/generate_gnss_files" obs "$work/bnch0480.16o"
"$bin/generate_gnss_files" nav "$work/bnch0480.16n" 150
"$bin/generate_gnss_files" sp3 "$work/bnch18844.sp3" 60
sync
report obs "$work/bnch0480.16o"
report nav "$work/bnch0480.16n"
report sp3 "$work/bnch18844.sp3"
