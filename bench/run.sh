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
# A day of RINEX 4 navigation for all systems, converted to RINEX 2.11 GPS navigation.
nav4=$work/BNCH00XXX_R_20230730000_01D_MN.rnx
"$bin/generate_gnss_files" nav4 "$nav4"
sync
report obs "$work/bnch0480.16o"
report nav "$work/bnch0480.16n"
report sp3 "$work/bnch18844.sp3"
report nav4 "$nav4"

# The same observation data compressed with gzip and compress and as Compact RINEX: each
# shift against the plain shift plus the decompression alone, the Compact RINEX decoder's
# rate in text written, and peak memory.
obs=$work/bnch0480.16o
gzip -c "$obs" > "$obs.gz"
compress -c -f < "$obs" > "$obs.Z"
"$bin/compact_rinex_encoder" "$obs" "$work/bnch0480.16d"
gzip -c "$work/bnch0480.16d" > "$work/bnch0480.16d.gz"
plain=$(measure "$bin/chronoflip-cli" shift "$obs")
compare() {  # label source decompressing-command...
    local label=$1 source=$2 shift_result decompress
    shift 2
    shift_result=$(measure "$bin/chronoflip-cli" shift "$source")
    decompress=$(measure "$@")
    printf '%-7s %4d MB  shift %6ss  decompress alone %6ss  plain shift %6ss  extra/decompress %5s  peak %6d KiB\n' \
        "$label" "$(du -m "$source" | cut -f1)" "${shift_result%% *}" "${decompress%% *}" \
        "${plain%% *}" \
        "$(awk "BEGIN{printf \"%.2f\", (${shift_result%% *} - ${plain%% *}) / ${decompress%% *}}")" \
        "${shift_result##* }"
}
compare gz "$obs.gz" gzip -dc "$obs.gz"
compare Z "$obs.Z" uncompress -c "$obs.Z"
compare crx "$work/bnch0480.16d" "$bin/decode_input" "$work/bnch0480.16d"
compare crx.gz "$work/bnch0480.16d.gz" "$bin/decode_input" "$work/bnch0480.16d.gz"
text=$("$bin/decode_input" "$work/bnch0480.16d" | wc -c)
decode=$(measure "$bin/decode_input" "$work/bnch0480.16d")
echo "Compact RINEX decoding: $((text / 1000000)) MB of text in ${decode%% *}s," \
     "$(awk "BEGIN{printf \"%d\", $text / 1000000 / ${decode%% *}}") MB/s, peak ${decode##* } KiB"
