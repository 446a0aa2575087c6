#!/usr/bin/env bash
# Installs what the build needs on Debian 12, builds, then:
#   run       starts the program
#   test      runs every test
#   sanitize  runs every test in a build with address and undefined-behaviour checks
#   fuzz      runs each fuzz target briefly on its seed corpus
#   windows   cross-builds the engine, companion and their tests for Windows and runs the
#             tests under wine
#   package   builds the Debian package, unpacks it into a scratch root and starts both
#             programs from there
set -euo pipefail

usage() { echo "usage: $0 run|test|sanitize|fuzz|windows|package" >&2; exit 2; }
[[ $# -eq 1 ]] || usage
action=$1
cd "$(dirname "$0")/.."

# Liberation fonts match the metrics of the Arial and Courier New the windows are laid out for.
packages=(g++ cmake ninja-build qt6-base-dev libcli11-dev libgtest-dev fonts-liberation)
case $action in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    windows) packages=(cmake ninja-build libcli11-dev googletest g++-mingw-w64-x86-64-posix
                       wine wine64) ;;
    package) packages+=(dpkg-dev desktop-file-utils) ;;
esac
missing=()
for package in "${packages[@]}"; do
    [[ $(dpkg-query -W -f='${Status}' "$package" 2>/dev/null) == "install ok installed" ]] ||
        missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

build() {  # folder, extra cmake arguments...
    local folder=$1
    shift
    cmake -S . -B "$folder" -G Ninja "$@"
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
        (cd build-sanitize && QT_QPA_PLATFORM=offscreen ctest --output-on-failure)
        ;;
    fuzz)
        CC=clang CXX=clang++ build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCHRONOFLIP_FUZZ=ON
        (cd build-fuzz && ctest --output-on-failure)
        ;;
    windows)
        build build-windows -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
        # A prefix of its own, made without a display and without asking to fetch Mono
        # or Gecko, which the programs don't use.
        export WINEPREFIX=$PWD/build-windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
        wineboot --init
        (cd build-windows && ctest --output-on-failure)
        ;;
    package)
        build build -DCMAKE_BUILD_TYPE=Release
        (cd build && cpack)
        bash scripts/check_package.sh build/chronoflip_*_amd64.deb
        ;;
    *) usage ;;
esac
