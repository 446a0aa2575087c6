#!/usr/bin/env bash
# Pictures of the program at work, for the README and the user guide: on a virtual display
# with a window manager, from the repository's own small survey (tests/ui/data,
# tests/shift/data) copied into a scratch office project, it saves into docs/
#   main-window-opened-PLATFORM.png  the main window started with four files named on its
#                                    command line (list and preview filled);
#   main-window-run-PLATFORM.png     the same after Process (log and finishing banner);
#   report-window-reset-PLATFORM.png the report window after Reset Dates.
# The last two are driven by the test program window_tour, which clicks as a user would.
#   bash scripts/screenshots.sh linux [BUILD]      the Linux program (default build/)
#   bash scripts/screenshots.sh windows [BUILD]    the .exe files under wine (default build-windows/)
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: $0 linux|windows [BUILD]" >&2; exit 2; }
[[ $# -ge 1 && $# -le 2 ]] || usage
platform=$1
case $platform in
    linux) build=${2:-build} run=() exe="" ;;
    windows) build=${2:-build-windows} run=(wine) exe=.exe ;;
    *) usage ;;
esac
program=$PWD/$build/bin/chronoflip$exe
tour=$PWD/$build/tests/window_tour$exe
for file in "$program" "$tour"; do
    [[ -f $file ]] || { echo "no program at $file" >&2; exit 1; }
done

packages=(xvfb openbox xdotool x11-utils imagemagick)
source scripts/install_missing.sh
install_missing "${packages[@]}"

# A fixed folder, so the paths the pictures show stay the same from one run to the next.
scratch=/tmp/chronoflip-screenshots
rm -rf "$scratch"
mkdir -p "$scratch"
pids=()
running=""
cleanup() {
    if [[ $platform == windows ]]; then wineserver -k 2>/dev/null || true; fi
    kill $running "${pids[@]}" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$scratch/display" 2>/dev/null &
pids+=($!)
while [[ ! -s $scratch/display ]]; do sleep 0.1; done
export DISPLAY=:$(<"$scratch/display")
openbox >/dev/null 2>&1 &
pids+=($!)
# A window mapped before the window manager runs may never be framed.
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q window; do sleep 0.1; done

# Fresh settings, so each window opens at its designed place.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/config
mkdir -p "$HOME"
if [[ $platform == windows ]]; then
    export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot --init
    wineserver -w
    # On drive C, where a Windows user keeps projects; the programs get Windows paths.
    surveys=$WINEPREFIX/drive_c/Surveys
    path_of() { echo "C:\\Surveys\\${1#"$surveys/"}" | tr / '\\'; }
else
    surveys=$scratch
    path_of() { echo "$1"; }
fi

# The office project as the survey software lays it out, as the data came from the field;
# its name beyond ASCII must reach the programs intact through their command lines.
export LC_ALL=C.UTF-8
project="$surveys/Øresund Bridge 2016"
rinex="$project/Data Files/RINEX Files"
reports=$project/Reports/Baseline
fresh_project() {
    rm -rf "$project"
    mkdir -p "$rinex" "$reports"
    cp tests/ui/data/rovr0480.16o tests/ui/data/base0480.16o "$rinex/"
    cp tests/shift/data/navigation.16n "$rinex/brdc0480.16n"
    cp tests/shift/data/orbits.sp3 "$rinex/igs18843.sp3"
    cp tests/ui/data/reports/* "$reports/"
    files=()
    for name in rovr0480.16o base0480.16o brdc0480.16n igs18843.sp3; do
        files+=("$(path_of "$rinex/$name")")
    done
}

shots=docs
capture() {  # window title, picture name
    local window="" tries
    for tries in $(seq 600); do
        window=$(xdotool search --name "^$1\$" | tail -1) || true
        [[ -n $window ]] && xwininfo -id "$window" | grep -q IsViewable && break
        window=""
        sleep 0.1
    done
    [[ -n $window ]] || { echo "no window \"$1\" within 60 s" >&2; cat "$scratch/program.log" >&2; exit 1; }
    sleep 2  # let it finish its work and painting
    import -window "$window" -frame "$shots/$2.png"
    echo "$shots/$2.png"
}
start() {  # program and arguments
    "${run[@]}" "$@" >"$scratch/program.log" 2>&1 &
    running=$!
}
stop() {
    if [[ $platform == windows ]]; then wineserver -k 2>/dev/null || true; fi
    kill "$running" 2>/dev/null || true
    wait "$running" 2>/dev/null || true
    running=""
}

fresh_project
start "$program" "${files[@]}"
capture "Chronoflip 1.8" main-window-opened-$platform
stop

fresh_project
start "$tour" run "$(path_of "$reports")" "${files[@]}"
capture "Chronoflip 1.8" main-window-run-$platform
stop
# Process found the files by the names it was given.
[[ -e $rinex/rovr0480.16o.bak && -e $rinex/base0480.16o.bak ]] ||
    { echo "Process left no backups in $rinex" >&2; exit 1; }

fresh_project
start "$tour" reset "$(path_of "$reports")" "${files[@]}"
capture "Reports" report-window-reset-$platform
stop
