#!/usr/bin/env bash
# Installs what the build needs on Debian 12, builds, then starts the program (run) or
# runs every test (test).
set -euo pipefail

usage() { echo "usage: $0 run|test" >&2; exit 2; }
[[ $# -eq 1 ]] || usage
action=$1
[[ $action == run || $action == test ]] || usage

cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libcli11-dev libgtest-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build

if [[ $action == run ]]; then
    exec build/bin/chronoflip-cli --help
fi
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure
