# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts in scripts/: installs what is missing and builds.
# Sourced, not run.

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

# What the editor needs to build and run; the last two give the build the
# font it carries, cut down to the editor's characters.
BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-serialport-dev
                qt6-l10n-tools qt6-translations-l10n libgl-dev fonts-wqy-microhei fonttools)

# What the test of the editor on the accessibility bus needs: a session bus,
# the AT-SPI bus and registry, and Python's AT-SPI client.
A11Y_TEST_PACKAGES=(dbus at-spi2-core python3-gi gir1.2-atspi-2.0)

# What ./scripts/windows adds: the MinGW-w64 cross compiler and NSIS, then
# Wine for its tests.
WINDOWS_PACKAGES=(ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools icoutils nsis)
WINE_PACKAGES=(wine wine64 xvfb xauth x11-utils)

# The Qt for Windows that ./scripts/windows cross-builds with, kept beside the
# project (it is too big for the repository).
WINDOWS_SDK_ARCHIVE="${J3K_WINDOWS_SHARED:-$ROOT/../shared/windows}/qt6.4.2-mingw-sdk.tar.xz"

# Prints those of the given Debian packages that are not installed, on one
# line; nothing where there is no dpkg (not Debian: cmake will say what is
# missing).
missing_packages() {
    command -v dpkg-query >/dev/null 2>&1 || return 0
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    echo "${missing[*]}"
}

# Installs the given Debian packages when some are missing: as root directly,
# otherwise through sudo. Where neither works, says what to install and stops.
ensure_packages() {
    local missing
    read -ra missing <<<"$(missing_packages "$@")"
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1; then
            sudo=(sudo)
        else
            echo "These packages are missing: ${missing[*]}" >&2
            echo "Install them as root:  apt-get install ${missing[*]}" >&2
            exit 1
        fi
    fi
    echo "Installing: ${missing[*]}"
    # Waits for another apt-get to finish rather than failing at once.
    local apt=(apt-get -o DPkg::Lock::Timeout=300)
    if ! { "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" update -qq &&
           "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "Could not install: ${missing[*]}" >&2
        echo "Install them as root:  apt-get install ${missing[*]}" >&2
        exit 1
    fi
}

# Configures once (extra arguments go to that first cmake call), then builds
# incrementally into $BUILD_DIR: everything, or only $BUILD_TARGETS.
build() {
    if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
    fi
    local targets=()
    [ -n "${BUILD_TARGETS:-}" ] && targets=(--target $BUILD_TARGETS)
    cmake --build "$BUILD_DIR" -j "$(nproc 2>/dev/null || echo 2)" "${targets[@]}"
}
