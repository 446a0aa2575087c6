#!/usr/bin/env bash
# Times chronoflip-cli on large generated files against cp and awk, and reports peak
# memory. Run by hand after a release build:
#   bash bench/run.sh [build-folder [earlier-chronoflip-cli]]
# An earlier build's program, when given, is timed in the same rounds as the new one.
# ONLY=ratios stops after the observation rounds against cp and dd.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
earlier=${2:-}
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

# Interleaved rounds: each round runs cp, dd and every shift program once, outputs deleted
# beforehand; a program's figure is the median over the rounds of its time divided by cp's
# and by dd's in the same round, so load that comes and goes weighs on both sides alike.
ratios() {  # source rounds
    local source=$1 rounds=$2 round program start
    local programs=(cp dd "$bin/chronoflip-cli")
    [[ -n $earlier ]] && programs+=("$earlier")
    {
        for ((round = 0; round < rounds; round++)); do
            for program in "${programs[@]}"; do
                rm -f "$work"/e_* "$work/copy"
                sync
                start=$(date +%s%N)
                case $program in
                    cp) cp "$source" "$work/copy" ;;
                    dd) dd if="$source" of="$work/copy" bs=256k status=none ;;
                    *) "$program" shift "$source" >/dev/null ;;
                esac
                echo "$program $(( ($(date +%s%N) - start) / 1000 ))"
            done
        done
        # Peak memory in runs of their own: timed under /usr/bin/time the shift takes longer.
        for program in "${programs[@]:2}"; do
            rm -f "$work"/e_*
            /usr/bin/time -o "$work/time" -f %M "$program" shift "$source" >/dev/null
            echo "$program peak $(tail -1 "$work/time")"
        done
    } | awk -v size="$(($(stat -c %s "$source") / 1000000))" '
        function median(list,   n, values, i, j, t) {
            n = split(list, values, " ")
            for (i = 2; i <= n; i++)
                for (j = i; j > 1 && values[j - 1] + 0 > values[j] + 0; j--) {
                    t = values[j]; values[j] = values[j - 1]; values[j - 1] = t
                }
            return n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
        }
        $2 == "peak" { peak[$1] = $3 > peak[$1] ? $3 : peak[$1]; next }
        $1 == "cp" { cp = $2; round++; next }
        $1 == "dd" { dd = $2; cpTimes = cpTimes " " cp; ddTimes = ddTimes " " dd; next }
        { order[$1] = 1; times[$1] = times[$1] " " $2
          toCp[$1] = toCp[$1] " " $2 / cp; toDd[$1] = toDd[$1] " " $2 / dd }
        END {
            printf "obs %5d MB, %d rounds: cp %.3f s, dd %.3f s (medians)\n", size, round,
                median(cpTimes) / 1e6, median(ddTimes) / 1e6
            for (p in order)
                printf "  %s  %.3f s  %.2f x cp  %.2f x dd  peak %d KiB\n", p,
                    median(times[p]) / 1e6, median(toCp[p]), median(toDd[p]), peak[p]
        }'
}

"$bin/generate_gnss_files" obs "$work/bnch0480.16o"
"$bin/generate_gnss_files" obs "$work/bnch0480.16o.12" 12
mv "$work/bnch0480.16o.12" "$work/bnch0490.16o"
sync
uptime
ratios "$work/bnch0480.16o" 11
ratios "$work/bnch0490.16o" 5
uptime
rm "$work/bnch0490.16o"
[[ ${ONLY:-} == ratios ]] && exit 0
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
rate() {  # label compact-file: the decoder's rate in text written, and its peak memory
    local text decode
    text=$("$bin/decode_input" "$2" | wc -c)
    decode=$(measure "$bin/decode_input" "$2")
    echo "$1: $((text / 1000000)) MB of text in ${decode%% *}s," \
         "$(awk "BEGIN{printf \"%d\", $text / 1000000 / ${decode%% *}}") MB/s, peak ${decode##* } KiB"
}
rate "Compact RINEX 1.0, 12 GPS satellites" "$work/bnch0480.16d"

# Compact RINEX 3.0 against 1.0 on equal data: a four-system day as RINEX 3.04 and as
# RINEX 2.11, each encoded; both must decode to what was generated.
obs3=$work/BNCH00DEU_R_20160480000_01D_01S_MO.rnx
"$bin/generate_gnss_files" obs3 "$obs3"
"$bin/generate_gnss_files" obs3-as-rinex2 "$work/bnc20480.16o"
"$bin/compact_rinex_encoder" "$obs3" "$work/bnc30480.16d"
"$bin/compact_rinex_encoder" "$work/bnc20480.16o" "$work/bnc20480.16d"
check() {  # compact-file plain-file: the decoded text is the generated one, trailing blanks cut
    "$bin/decode_input" "$1" | cmp -s - <(sed 's/ *$//' "$2") || echo "$1 does not decode to $2"
}
check "$work/bnc30480.16d" "$obs3"
check "$work/bnc20480.16d" "$work/bnc20480.16o"
rate "Compact RINEX 1.0, four systems" "$work/bnc20480.16d"
rate "Compact RINEX 3.0, four systems" "$work/bnc30480.16d"
