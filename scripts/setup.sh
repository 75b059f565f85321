# Set-up shared by scripts/run and scripts/test: the Debian packages the game
# needs, then a CMake configure and build into build/. Sourced, not run.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages to build and play.
# Comic Neue and Liberation Sans stand in for the faces the windows name.
build_packages=(cmake ninja-build g++ pkg-config libgtest-dev
                qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
                fonts-comic-neue fonts-liberation)
# Packages the tests need on top: an X server for the real window, xwininfo
# and xprop to look at it, the desktop entry and AppStream validators, the
# .deb tools and readelf, and a D-Bus session with the accessibility bus and
# Debian's pyatspi to read the windows as a screen reader does.
test_packages=(xvfb xauth x11-utils desktop-file-utils appstream dpkg-dev binutils
               dbus at-spi2-core python3-pyatspi)
# scripts/screenshot grabs the X screen with ImageMagick's import.
screenshot_packages=(imagemagick)
# The fuzzer (scripts/fuzz): clang with its libFuzzer and sanitizer runtimes.
fuzz_packages=(clang libclang-rt-14-dev)
# The benchmarks (scripts/bench): Google Benchmark, X DAMAGE for the paint
# probe, xdotool to click, and the accessibility bus to read the clock.
bench_packages=(libbenchmark-dev libx11-dev libxdamage-dev xvfb xauth xdotool python3
                dbus python3-pyatspi at-spi2-core)
# Packages to cross-build the Windows game and to play it under Wine in the tests:
# rsvg-convert rasterises the SVG artwork for the .exe, ImageMagick turns it
# into bitmaps, icotool packs the window icon.
win32_packages=(g++-mingw-w64-x86-64-posix wine wine64 xdotool imagemagick librsvg2-bin icoutils)

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
    # Another apt-get may be running (a second build, the desktop's updater): wait for it.
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -q "${need[@]}"
}

# Configures and builds into build/. CI builds treat warnings as errors.
build_game() {
    local werror=OFF
    [ -n "${CI:-}" ] && werror=ON
    cmake -S "$root" -B "$root/build" -G Ninja -DLASTRINO_WERROR="$werror" "$@"
    cmake --build "$root/build" --parallel 2
}

# The same build and every test under AddressSanitizer and
# UndefinedBehaviorSanitizer, in build-asan/ (the asan preset).
sanitize_game() {
    (cd "$root" && cmake --preset asan && cmake --build --preset asan && ctest --preset asan)
}

# True when a window can be shown: an X or Wayland display, or a Qt
# platform chosen by hand (offscreen, for one).
have_display() {
    [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]
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
