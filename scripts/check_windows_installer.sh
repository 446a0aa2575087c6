#!/usr/bin/env bash
# Checks the Windows installer under wine, in a scratch prefix: installs it silently, runs
# both installed programs, uninstalls silently and checks that the programs are gone and the
# user's settings stayed. Needs a display for the desktop program (DISPLAY set).
set -euo pipefail
installer=$(realpath "$1")
scratch=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

fail() { echo "installer check: $*" >&2; exit 1; }

export WINEPREFIX=$scratch/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init
wineserver -w

wine "$installer" /S
wineserver -w
folder="$WINEPREFIX/drive_c/Program Files/Chronoflip"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Chronoflip"
for file in "$folder/chronoflip.exe" "$folder/chronoflip-cli.exe" "$folder/guide.html" \
            "$folder/chronoflip.txt" \
            "$folder/chronoflip-cli.txt" "$folder/Uninstall.exe" "$menu/Chronoflip.lnk"; do
    [[ -e $file ]] || fail "${file#"$WINEPREFIX/"} missing after the install"
done

# Explorer's "Send to" menu of the user who installed.
sendto=$(find "$WINEPREFIX/drive_c/users" -path '*/SendTo/Chronoflip.lnk' | head -n 1)
[[ -n $sendto ]] || fail "no Chronoflip in the Send to menu after the install"

# Both programs carry the icon and a version record naming them: resource types 3 (icon),
# 14 (icon group) and 16 (version) at the top of the resource directory.
for program in chronoflip chronoflip-cli; do
    types=$(x86_64-w64-mingw32-objdump -p "$folder/$program.exe" |
        sed -n '/The .rsrc Resource Directory section/,$p' |
        sed -n 's/^[0-9a-f]*   Entry: ID: 0x\([0-9a-f]*\),.*/\1/p' | tr '\n' ' ')
    for type in 000003 00000e 000010; do
        [[ " $types" == *" $type "* ]] || fail "$program.exe has no resource of type 0x$type"
    done
    # Read whole first: grep -q leaving a pipe early would fail the pipeline.
    texts=$(strings -e l "$folder/$program.exe")
    grep -qx "$program.exe" <<<"$texts" || fail "$program.exe's version record does not name it"
done

short_version=$(sed -n 's/^project(Chronoflip VERSION \([0-9]*\.[0-9]*\).*/\1/p' CMakeLists.txt)
version=$(wine "$folder/chronoflip-cli.exe" --version | tr -d '\r')
[[ $version == "$short_version" ]] || fail "chronoflip-cli.exe --version said '$version'"

# The desktop program must come up and stay up.
wine "$folder/chronoflip.exe" &
program=$!
sleep 3
kill -0 "$program" 2>/dev/null || fail "chronoflip.exe ended within 3 s of its start"
wineserver -k
wait "$program" || true

settings='HKCU\Software\Kellimore\Chronoflip\Frm_Main'
wine reg add "$settings" /v Status /t REG_SZ /d 1 /f >/dev/null
wine "$folder/Uninstall.exe" /S
# The uninstaller runs on from a copy of itself; wait for every process of the prefix.
wineserver -w
[[ ! -e $folder/chronoflip.exe && ! -e $folder/chronoflip-cli.exe ]] ||
    fail "programs left behind by the uninstaller"
[[ ! -e $menu/Chronoflip.lnk ]] || fail "Start-menu entry left behind by the uninstaller"
[[ ! -e $sendto ]] || fail "Send to entry left behind by the uninstaller"
stored=$(wine reg query "$settings" /v Status | tr -d '\r')
[[ $stored == *REG_SZ*1* ]] || fail "the uninstaller removed the user's settings"

echo "installer check: $(basename "$installer") installs, starts and uninstalls"
