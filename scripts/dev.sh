#!/usr/bin/env bash
# Installs what the build needs on Debian 12, builds, then:
#   run       starts the program
#   test      runs every test
#   sanitize  runs every test in a build with address and undefined-behaviour checks
#   fuzz      runs each fuzz target briefly on its seed corpus
#   windows   builds a static Qt for MinGW-w64 once per machine, cross-builds both programs
#             and their tests for Windows, runs the tests under wine on a virtual display,
#             and builds and checks the installer
#   window-manager  checks window placement under openbox on a virtual display
#   package   builds the Debian package, unpacks it into a scratch root and starts both
#             programs from there
set -euo pipefail

usage() { echo "usage: $0 run|test|sanitize|fuzz|windows|window-manager|package|format" >&2; exit 2; }
[[ $# -eq 1 ]] || usage
action=$1
cd "$(dirname "$0")/.."

# Liberation fonts match the metrics of the Arial and Courier New the windows are laid out for.
# zlib reads gzip inputs; ncompress makes the .Z files the tests read.
packages=(g++ cmake ninja-build qt6-base-dev libcli11-dev libgtest-dev fonts-liberation
          zlib1g-dev ncompress)
case $action in
    # rnx2rtkp, a second program that reads RINEX, checks positions from converted files.
    test) packages+=(rtklib) ;;
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    windows) packages=(cmake ninja-build libcli11-dev googletest g++-mingw-w64-x86-64-posix
                       libz-mingw-w64-dev ncompress wine wine64 xvfb nsis groff-base) ;;
    package) packages+=(dpkg-dev desktop-file-utils shared-mime-info lintian) ;;
    format) packages=(clang-format git) ;;
esac
source scripts/install_missing.sh
install_missing "${packages[@]}"

# Starts Xvfb on a free display for the programs that open windows; it ends with this script.
start_virtual_display() {
    local number
    number=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$number" 2>/dev/null &
    trap "kill $! 2>/dev/null || true; rm -f '$number'" EXIT
    while [[ ! -s $number ]]; do sleep 0.1; done
    export DISPLAY=:$(<"$number")
}

build() {  # folder, extra cmake arguments...
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja -DCHRONOFLIP_WERROR="${CHRONOFLIP_WERROR:-OFF}" "$@"
    cmake --build "$folder"
}

case $action in
    run)
        build build -DCMAKE_BUILD_TYPE=Release
        exec build/bin/chronoflip
        ;;
    test)
        build build -DCMAKE_BUILD_TYPE=Release
        (cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)
        ;;
    sanitize)
        build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DCHRONOFLIP_SANITIZE=ON
        export LSAN_OPTIONS=suppressions=$PWD/tests/sanitize/leaks.supp
        (cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)
        ;;
    fuzz)
        CC=clang CXX=clang++ build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHRONOFLIP_FUZZ=ON
        (cd build-fuzz && ctest --output-on-failure)
        ;;
    windows)
        qt=$(bash scripts/build_qt_mingw.sh)
        build build-windows -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCHRONOFLIP_QT_PREFIX="$qt" \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
        start_virtual_display
        # A prefix of its own, made without asking to fetch Mono or Gecko, which the
        # programs don't use.
        export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
        wineboot --init
        wineserver -w
        (cd build-windows && ctest --output-on-failure)
        (cd build-windows && cpack)
        bash scripts/check_windows_installer.sh build-windows/Chronoflip-*-setup.exe
        ;;
    window-manager)
        build build -DCMAKE_BUILD_TYPE=Release
        bash scripts/window_manager_check.sh build
        ;;
    package)
        build build -DCMAKE_BUILD_TYPE=Release
        (cd build && cpack)
        bash scripts/check_package.sh build/chronoflip_*_amd64.deb
        ;;
    format)
        git ls-files -z '*.cc' '*.h' | xargs -0 clang-format --dry-run --Werror
        echo "format: every C++ file is laid out as .clang-format says"
        ;;
    *) usage ;;
esac
