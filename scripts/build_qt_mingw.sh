#!/usr/bin/env bash
# Builds a static Qt 6 for MinGW-w64 from Debian's own qt6-base source, once per machine,
# into a cache outside the checkout, and prints the installed prefix on standard output.
# A later run finds the cache (keyed by the Qt version and the configure options) and
# skips the build; a build cut short goes on where it stopped. Everything it says besides
# the prefix goes to standard error.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

as_root() { if [[ $(id -u) -eq 0 ]]; then "$@"; else sudo "$@"; fi; }

# The host tools (moc, rcc, uic) come from Debian's Qt of the same version.
version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
[[ -n $version ]] || version=$(apt-cache policy qt6-base-dev | awk '/Candidate:/ {print $2}')
upstream=${version%%+*}
upstream=${upstream#*:}

# Only what the program and its window tests need; third-party libraries bundled, so the
# result links into one self-contained .exe.
options=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=OFF
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_icu=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_jpeg=OFF
    # Debian's source leaves out the third-party wintab.h the tablet support includes.
    -DFEATURE_tabletevent=OFF
)
key=$(printf '%s\n' "$version" "${options[@]}" | sha256sum | cut -c1-10)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/chronoflip
prefix=$cache/qt-$upstream-mingw-static-$key

if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

packages=(cmake ninja-build dpkg-dev xz-utils g++-mingw-w64-x86-64-posix
          qt6-base-dev qt6-base-dev-tools)
source scripts/install_missing.sh
install_missing "${packages[@]}"

work=$cache/qt-$upstream-work-$key
# A build cut short (a session's end, a reboot) goes on where it stopped: the work folder
# is kept until the install, and made anew only when it never got configured.
if [[ ! -f $work/.configured ]]; then
    rm -rf "$work"
    mkdir -p "$work"
    cd "$work"

    # Source packages come from the same archive and suites as the machine's binary packages.
    if ! apt-get source --download-only "qt6-base=$version" >&2 2>/dev/null; then
        list=/etc/apt/sources.list.d/chronoflip-deb-src.sources
        for sources in /etc/apt/sources.list.d/*.sources; do
            [[ $sources == "$list" ]] && continue
            grep -q 'deb.debian.org\|debian.org/debian' "$sources" || continue
            sed 's/^Types: deb$/Types: deb-src/' "$sources"
            echo
        done | as_root tee "$list" >/dev/null
        if [[ -f /etc/apt/sources.list ]]; then
            grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
                as_root tee /etc/apt/sources.list.d/chronoflip-deb-src.list >/dev/null || true
        fi
        as_root apt-get update >&2
        apt-get source --download-only "qt6-base=$version" >&2
    fi
    dpkg-source -x qt6-base_*.dsc source >&2

    # Our toolchain file, with the Qt prefix added to where CMake may look, so that the
    # program's own build finds this Qt when it includes the file that lands in the prefix.
    cmake -S source -B build -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$project/cmake/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >&2
    touch .configured
fi
cd "$work"
cmake --build build >&2
rm -rf "$prefix"
cmake --install build >&2
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"
