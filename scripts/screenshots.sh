#!/usr/bin/env bash
# Starts the desktop program on a virtual display with a window manager, opens its About
# window and saves pictures of both windows, frames included, into BUILD/screenshots/.
#   bash scripts/screenshots.sh linux [BUILD]      the Linux program (default build/)
#   bash scripts/screenshots.sh windows [BUILD]    chronoflip.exe under wine (default build-windows/)
set -euo pipefail
cd "$(dirname "$0")/.."

usage() { echo "usage: $0 linux|windows [BUILD]" >&2; exit 2; }
[[ $# -ge 1 && $# -le 2 ]] || usage
platform=$1
case $platform in
    linux) build=${2:-build} program=("$PWD/$build/bin/chronoflip") ;;
    windows) build=${2:-build-windows} program=(wine "$PWD/$build/bin/chronoflip.exe") ;;
    *) usage ;;
esac
[[ -x ${program[-1]} || -f ${program[-1]} ]] || { echo "no program at ${program[-1]}" >&2; exit 1; }

packages=(xvfb openbox xdotool x11-utils imagemagick)
source scripts/install_missing.sh
install_missing "${packages[@]}"

scratch=$(mktemp -d)
pids=()
cleanup() {
    [[ $platform == windows ]] && wineserver -k 2>/dev/null
    kill "${pids[@]}" 2>/dev/null || true
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
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config
if [[ $platform == windows ]]; then
    export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    wineboot --init
    wineserver -w
fi

"${program[@]}" >"$scratch/program.log" 2>&1 &
pids+=($!)

shots=$build/screenshots
mkdir -p "$shots"
capture() {  # window title, picture name
    local window="" tries
    for tries in $(seq 600); do
        window=$(xdotool search --name "^$1\$" | tail -1) || true
        [[ -n $window ]] && xwininfo -id "$window" | grep -q IsViewable && break
        window=""
        sleep 0.1
    done
    [[ -n $window ]] || { echo "no window \"$1\" within 60 s" >&2; cat "$scratch/program.log" >&2; exit 1; }
    sleep 1  # let it finish painting
    import -window "$window" -frame "$shots/$2.png"
    echo "$shots/$2.png"
}

capture "Chronoflip 1.8" main-$platform
main=$(xdotool search --name "^Chronoflip 1.8$" | tail -1)
xdotool windowactivate --sync "$main"
xdotool key --window "$main" alt+a
capture "About Chronoflip" about-$platform
