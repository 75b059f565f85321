# Set-up shared by scripts/run and scripts/test: the Debian packages the game
# needs, then a CMake configure and build into build/. Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages to build and play.
build_packages=(cmake ninja-build g++ pkg-config libgtest-dev
                qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6 fonts-comic-neue)
# Packages the tests need on top.
test_packages=(xvfb xauth x11-utils)
# Packages to cross-build the Windows game and to play it under Wine in the tests.
win32_packages=(g++-mingw-w64-x86-64-posix wine wine64 xdotool imagemagick)

missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' || echo "$p"
    done
}

# Installs what is missing with apt-get when it may; otherwise prints the
# exact command and stops.
ensure_packages() {
    local need
    mapfile -t need < <(missing_packages "$@")
    [ ${#need[@]} -eq 0 ] && return 0
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
            sudo=(sudo -n)
        else
            echo "Lastrino needs these Debian packages, and this user cannot install them:" >&2
            echo "    sudo apt-get install -y ${need[*]}" >&2
            echo "Run that line (or ask an administrator to), then run this command again." >&2
            exit 1
        fi
    fi
    echo "Installing: ${need[*]}"
    "${sudo[@]}" apt-get update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${need[@]}"
}

# Configures and builds into build/. CI builds treat warnings as errors.
build_game() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$root" -B "$root/build" -G Ninja -DLASTRINO_WERROR="$werror" "$@"
    cmake --build "$root/build"
}

# Cross-builds the Windows game into build-win32/: lastrino.exe, and the test
# build lastrino-scripted.exe.
build_win32() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$root/win32" -B "$root/build-win32" -G Ninja --toolchain "$root/cmake/mingw-w64.cmake" \
        -DLASTRINO_WERROR="$werror"
    cmake --build "$root/build-win32" -j2
}
