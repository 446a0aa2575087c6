#!/usr/bin/env bash
# Window placement under a real window manager: starts the built program on a virtual X
# display framed by openbox, moves and resizes the main and report windows by dragging
# them, and checks over five restarts each that both come back with exactly the frame
# they were left with; then the same for windows closed maximised and closed minimised.
# Then that a main window closed while the About window is active does not start
# minimised, and that the survey-date dialog's frame is at its designed place.
# Offscreen tests cannot catch these: only a window manager puts a frame around a window,
# and only after the program has asked for its place.
#
# usage: window_manager_check.sh [BUILD_FOLDER]   (default: the project's build/)
set -euo pipefail
program=$(realpath "${1:-$(dirname "$0")/../build}")/bin/chronoflip
cd "$(dirname "$0")/.."
[[ -x $program ]] || { echo "window manager check: no program at $program" >&2; exit 2; }

source scripts/install_missing.sh
install_missing xvfb openbox xdotool x11-utils

scratch=$(mktemp -d)
server="" manager="" running=""
cleanup() {
    for pid in $running $manager $server; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
    echo "window manager check: FAILED: $*" >&2
    if [[ -n $running ]]; then
        echo "--- the program's windows (active: $(xdotool getactivewindow 2>/dev/null))" >&2
        for id in $(xdotool search --all --pid "$running" --name . 2>/dev/null); do
            echo "$id \"$(xdotool getwindowname "$id")\" $(xprop -id "$id" WM_STATE |
                sed -n 's/.*window state: //p') $(xwininfo -id "$id" | grep 'Map State')" >&2
        done
    fi
    if [[ -s $scratch/program.log ]]; then
        echo "--- program output" >&2
        cat "$scratch/program.log" >&2
    fi
    exit 1
}

# Polls a command until it succeeds; fails with the message after about half a minute (on
# a busy machine the settings written at a close may take seconds to reach the disk).
await() {  # message, command...
    local message=$1
    shift
    for _ in $(seq 300); do
        "$@" && return 0
        sleep 0.1
    done
    fail "$message"
}

# The display: one screen of 1920 x 1200, on which every designed place lies whole, and a
# window manager that decorates windows, with key bindings for what the test does to them.
exec 3>"$scratch/display"
Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
server=$!
exec 3>&-
await "Xvfb did not start" test -s "$scratch/display"
export DISPLAY=:$(<"$scratch/display")
cat >"$scratch/rc.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse></focus>
  <theme><name>Clearlooks</name><titleLayout>NLIMC</titleLayout></theme>
  <keyboard>
    <keybind key="A-F4"><action name="Close"/></keybind>
    <keybind key="W-Up"><action name="Maximize"/></keybind>
    <keybind key="W-Down"><action name="Unmaximize"/></keybind>
    <!-- Closing a minimised window, as from a task bar. -->
    <keybind key="W-x"><action name="Iconify"/><action name="Close"/></keybind>
  </keyboard>
  <mouse>
    <dragThreshold>1</dragThreshold>
    <context name="Titlebar">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Left" action="Drag"><action name="Move"/></mousebind>
    </context>
    <!-- Closes without making the window active first, as a task bar's close does. -->
    <context name="Close">
      <mousebind button="Left" action="Click"><action name="Close"/></mousebind>
    </context>
    <context name="BRCorner">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Left" action="Drag"><action name="Resize"/></mousebind>
    </context>
  </mouse>
</openbox_config>
EOF
openbox --sm-disable --config-file "$scratch/rc.xml" >"$scratch/openbox.log" 2>&1 &
manager=$!
# Ready once it has framed a first window.
xmessage -timeout 30 "window manager check" >/dev/null 2>&1 &
running=$!
managed() {
    local id
    id=$(xdotool search --name '^xmessage$' 2>/dev/null | head -n 1)
    [[ -n $id && $(xprop -id "$id" WM_STATE 2>/dev/null) == *"window state: Normal"* ]]
}
await "openbox did not start" managed
kill "$running"
wait "$running" 2>/dev/null || true
running=""
# Settings, and whatever else the program keeps, go into the scratch folder. The home
# folder, where the folder browser opens, is the report folder of an office project whose
# RINEX folder holds no shifted file: a reset there asks for the date of survey.
project=$scratch/project
export HOME=$project/Reports/Baseline XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
mkdir -p "$HOME" "$project/Data Files/RINEX Files" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
printf '<html>\r\n<body>\r\n</body>\r\n</html>\r\n' >"$HOME/B0001.html"

no_shown_window() {  # title
    [[ -z $(xdotool search --all --onlyvisible --pid "$running" --name "^$1\$" 2>/dev/null) ]]
}
# The program's window with this exact title once the window manager has taken it on
# (shown or minimised).
managed_window() {  # title; the id goes to found
    local id state
    for id in $(xdotool search --all --pid "$running" --name "^$1\$" 2>/dev/null); do
        state=$(xprop -id "$id" WM_STATE 2>/dev/null)
        [[ $state == *"window state: Normal"* || $state == *"window state: Iconic"* ]] &&
            { found=$id; return 0; }
    done
    return 1
}
window_of() {  # title
    await "no window \"$1\" came up (start $starts of the program)" managed_window "$1"
    echo "$found"
}

# Left, top, width and height of the frame the window manager put around a window.
frame_of() {  # window id
    local frame
    frame=$(xwininfo -id "$1" -tree | awk '/Parent window id:/ { print $4 }')
    xwininfo -id "$frame" | awk '/Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
        /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF } END { print x, y, w, h }'
}
# The frame once it has stopped changing: a program may correct its size after it has
# been framed.
settled_frame() {  # window id
    local last="" now steady=0
    for _ in $(seq 100); do
        now=$(frame_of "$1")
        if [[ $now == "$last" ]]; then
            steady=$((steady + 1))
            [[ $steady -ge 3 ]] && { echo "$now"; return 0; }
        else
            steady=0
        fi
        last=$now
        sleep 0.15
    done
    fail "the frame of window $1 kept changing"
}
expect_frame() {  # what, window id, expected frame
    local seen
    seen=$(settled_frame "$2")
    [[ $seen == "$3" ]] || fail "$1: frame (left top width height) $seen, expected $3"
}

has_state() {  # window id, _NET_WM_STATE atom
    [[ $(xprop -id "$1" _NET_WM_STATE) == *"$2"* ]]
}
is_iconic() {  # window id
    [[ $(xprop -id "$1" WM_STATE) == *"window state: Iconic"* ]]
}
is_maximised() {  # window id
    has_state "$1" _NET_WM_STATE_MAXIMIZED_VERT && has_state "$1" _NET_WM_STATE_MAXIMIZED_HORZ
}
is_normal() {  # window id
    ! is_iconic "$1" && ! is_maximised "$1"
}
not_running() {
    ! kill -0 "$running" 2>/dev/null
}

starts=0
start_program() {
    starts=$((starts + 1))
    "$program" >>"$scratch/program.log" 2>&1 &
    running=$!
    main=$(window_of "Chronoflip 1.8")
}
# As a click on a window's task bar entry does; a minimised window comes back.
activate() {  # window id
    timeout 5 xdotool windowactivate --sync "$1" 2>/dev/null || fail "window $1 could not be activated"
}
# Keys go to the window the window manager has made active, as a user's do.
press() {  # window id, keys...
    local id=$1
    shift
    activate "$id"
    xdotool key --clearmodifiers "$@"
}
awaited_end() {
    await "the program did not end when its main window was closed" not_running
    wait "$running" || fail "the program ended with status $?"
    running=""
}
end_program() {  # keys that close the main window
    press "$main" "$@"
    awaited_end
}
# The Reports command, its folder browser answered with the folder it opens in.
show_reports() {
    local browser
    press "$main" alt+r
    browser=$(window_of "Browse To TGO Baseline Reports")
    press "$browser" Return
    report=$(window_of "Reports")
}
close_reports() {  # keys that close the report window
    press "$report" "$@"
    await "the report window did not close" no_shown_window Reports
}

is_active() {  # window id
    [[ $(xdotool getactivewindow 2>/dev/null) == "$1" ]]
}
click_close_box() {  # window id
    local x y w h
    read -r x y w h <<<"$(settled_frame "$1")"
    xdotool mousemove $((x + w - 10)) $((y + 10)) click 1
}

# Drags with the left button, as a user moves a window by its title bar or sizes it by
# its lower right corner.
drag() {  # from x, from y, to x, to y
    xdotool mousemove "$1" "$2" mousedown 1 sleep 0.1 \
        mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) sleep 0.1 \
        mousemove "$3" "$4" sleep 0.1 mouseup 1
}
move_and_resize() {  # window id, move x, move y, grow x, grow y
    local x y w h
    read -r x y w h <<<"$(settled_frame "$1")"
    drag $((x + w / 2)) $((y + 8)) $((x + w / 2 + $2)) $((y + 8 + $3))
    read -r x y w h <<<"$(settled_frame "$1")"
    drag $((x + w - 2)) $((y + h - 2)) $((x + w - 2 + $4)) $((y + h - 2 + $5))
    settled_frame "$1"
}

started=$SECONDS

echo "window manager check: windows left in normal state"
start_program
expect_frame "main window at first start" "$main" "265 276 794 622"
main_frame=$(move_and_resize "$main" 123 -87 61 43)
show_reports
expect_frame "report window at its first showing" "$report" "689 328 554 315"
report_frame=$(move_and_resize "$report" -141 95 -37 52)
close_reports alt+F4
end_program alt+F4
for start in 1 2 3 4 5; do
    start_program
    expect_frame "main window, start $start" "$main" "$main_frame"
    show_reports
    expect_frame "report window, start $start" "$report" "$report_frame"
    close_reports alt+F4
    end_program alt+F4
done

echo "window manager check: windows closed maximised"
start_program
show_reports
press "$report" super+Up
await "the report window did not maximise" is_maximised "$report"
close_reports alt+F4
press "$main" super+Up
await "the main window did not maximise" is_maximised "$main"
end_program alt+F4
for start in 1 2 3 4 5; do
    start_program
    await "main window, start $start: not shown maximised" is_maximised "$main"
    press "$main" super+Down
    await "main window, start $start: did not un-maximise" is_normal "$main"
    expect_frame "main window, start $start, un-maximised" "$main" "$main_frame"
    # The report window twice: its second showing finds it framed before.
    for showing in 1 2; do
        show_reports
        what="report window, start $start, showing $showing"
        await "$what: not shown maximised" is_maximised "$report"
        press "$report" super+Down
        await "$what: did not un-maximise" is_normal "$report"
        expect_frame "$what, un-maximised" "$report" "$report_frame"
        press "$report" super+Up
        await "$what: did not maximise again" is_maximised "$report"
        close_reports alt+F4
    done
    press "$main" super+Up
    await "main window, start $start: did not maximise again" is_maximised "$main"
    end_program alt+F4
done

echo "window manager check: windows closed minimised"
start_program
press "$main" super+Down
show_reports
press "$report" super+Down
close_reports super+x
end_program super+x
for start in 1 2 3 4 5; do
    start_program
    await "main window, start $start: not minimised" is_iconic "$main"
    activate "$main"
    expect_frame "main window, start $start, restored" "$main" "$main_frame"
    show_reports
    await "report window, start $start: not minimised" is_iconic "$report"
    activate "$report"
    expect_frame "report window, start $start, restored" "$report" "$report_frame"
    close_reports super+x
    end_program super+x
done

# Another window of the program being active is no sign of a program minimised to the
# task bar: the next start must not minimise it.
echo "window manager check: main window closed while the About window is active"
start_program
activate "$main"
press "$main" alt+a
about=$(window_of "About Chronoflip")
await "the About window did not become active" is_active "$about"
click_close_box "$main"
awaited_end
start_program
expect_frame "main window, started after a close while About was active" "$main" "$main_frame"
is_normal "$main" || fail "main window, started after a close while About was active: not normal"
end_program alt+F4

# The dialog's frame, like the other windows', at its designed place.
echo "window manager check: survey-date dialog"
start_program
show_reports
# Reset Dates follows the report list in the focus chain.
press "$report" Tab space
survey=$(window_of "Date of survey")
read -r x y _ <<<"$(settled_frame "$survey")"
[[ "$x $y" == "1238 357" ]] || fail "survey-date dialog: frame at $x $y, expected 1238 357"
press "$survey" Return
# Where no program takes the summary page, the program says so.
reset_ended() {
    local box
    no_shown_window Reports && return 0
    box=$(xdotool search --all --onlyvisible --pid "$running" --name '^Chronoflip$' 2>/dev/null |
        head -n 1)
    [[ -n $box ]] && press "$box" Return
    return 1
}
await "the reset did not end" reset_ended
end_program alt+F4

echo "window manager check: passed in $((SECONDS - started)) s"
