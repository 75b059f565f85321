# Set-up shared by the scripts: the Debian packages each needs, and a helper
# that installs those missing. Sourced, not run. The builds themselves are
# CMakePresets.json's.

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Packages to build and play.
# Comic Neue and Liberation Sans stand in for the faces the windows name.
build_packages=(cmake ninja-build g++ pkg-config libgtest-dev clang-format
                qt6-base-dev qt6-svg-dev qt6-qpa-plugins libqt6svg6
                fonts-comic-neue fonts-liberation)
# Packages the tests need on top: an X server for the real window, xwininfo
# and xprop to look at it, xdotool to click it, the desktop entry and AppStream validators, the
# .deb tools, lintian and readelf, a D-Bus session with the accessibility bus
# and Debian's pyatspi to read the windows as a screen reader does, and
# rsvg-convert to draw the artwork as the .exe and browsers do.
test_packages=(xvfb xauth x11-utils xdotool desktop-file-utils appstream dpkg-dev lintian binutils
               dbus at-spi2-core python3-pyatspi librsvg2-bin)
# scripts/screenshot grabs the X screen with ImageMagick's import.
screenshot_packages=(imagemagick)
# The fuzzer (scripts/fuzz): clang with its libFuzzer and sanitizer runtimes.
fuzz_packages=(clang libclang-rt-14-dev)
# The benchmarks (scripts/bench): Google Benchmark, X DAMAGE for the paint
# probe, xdotool to click, the accessibility bus to read the clock, and
# heaptrack and valgrind (massif) to see where memory goes.
bench_packages=(libbenchmark-dev libx11-dev libxdamage-dev xvfb xauth xdotool python3
                dbus python3-pyatspi at-spi2-core heaptrack valgrind)
# The browser version (scripts/web): Emscripten for the build, the game's two
# fonts to ship with the page and fontTools (pyftsubset, with brotli for WOFF2)
# to cut them down for it; headless Chromium driven by Selenium for its tests.
web_packages=(cmake ninja-build emscripten fonts-comic-neue fonts-liberation python3-fonttools python3-brotli)
web_test_packages=(chromium chromium-driver python3-selenium)
# Packages to cross-build the Windows game and to play it under Wine in the tests:
# rsvg-convert rasterises the SVG artwork for the .exe, ImageMagick turns it
# into bitmaps, icotool packs the window icon.
win32_packages=(cmake ninja-build g++-mingw-w64-x86-64-posix wine wine64 xdotool imagemagick librsvg2-bin icoutils)

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
