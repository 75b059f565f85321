# Set-up shared by scripts/run and scripts/test: the Debian packages the game
# needs, then a CMake configure and build into build/. Sourced, not run.

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
web_packages=(emscripten fonts-comic-neue fonts-liberation python3-fonttools python3-brotli)
web_test_packages=(chromium chromium-driver python3-selenium)
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

# Configures and builds into build/: every target, or with --game only the
# game's window. CI builds treat warnings as errors.
build_game() {
    local werror=OFF targets=()
    [ -n "${CI:-}" ] && werror=ON
    [ "${1:-}" = --game ] && { targets=(--target lastrino); shift; }
    cmake -S "$root" -B "$root/build" -G Ninja -DLASTRINO_WERROR="$werror" "$@"
    cmake --build "$root/build" --parallel 2 "${targets[@]}"
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

# Builds the browser version into $1 (build-web/ for the page as shipped):
# index.html with lastrino.js and lastrino.wasm beside it, the artwork and
# the fonts. With "test" as $2 it makes the test build instead: every Start
# deals the tiles in order.
build_web() {
    local out=$1 flags=(-Oz -flto -Wall -Wextra)
    [ "${2:-}" = test ] && flags+=(-DLASTRINO_TEST_SEAM)
    [ -n "${CI:-}" ] && flags+=(-Werror)
    # embind without new Function: the page's Content-Security-Policy allows no eval.
    flags+=(-sDYNAMIC_EXECUTION=0)
    mkdir -p "$out/icons" "$out/pictures" "$out/fonts"
    # Debian's em++ runs its JS optimiser on node, which finds Debian's JS
    # modules only through NODE_PATH when the node on the PATH is another.
    NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH} em++ -std=c++20 "${flags[@]}" -I "$root" \
        "$root"/logic/{board,actions,clock,random,shell,seam}.cpp "$root"/web/page.cpp \
        -lembind -sENVIRONMENT=web -sEXIT_RUNTIME=0 -sMALLOC=emmalloc \
        -o "$out/lastrino.js"
    cp "$root"/web/{index.html,lastrino.css,page.js,timer.js,lastrino.webmanifest} "$out/"
    cp "$root"/assets/icons/*.svg "$out/icons/"
    cp "$root"/assets/pictures/*.svg "$out/pictures/"
    # The four faces cut down to the characters the page shows, as WOFF2.
    /usr/bin/python3 "$root/web/subset_fonts.py" "$out/fonts" \
        /usr/share/fonts-comic-neue/woff2/ComicNeue-{Regular,Bold}.woff2 \
        /usr/share/fonts/truetype/liberation/LiberationSans-{Regular,Bold}.ttf
    web_worker "$out"
}

# Writes the service worker into the built page $1: it keeps every file of
# the build, in a cache named after their hash.
web_worker() {
    local files
    files=$(cd "$1" && find . -type f ! -name sw.js -printf '%P\n' | LC_ALL=C sort)
    sed -e "s|@HASH@|$(cd "$1" && { sha256sum $files; cat "$root/web/sw.js"; } | sha256sum | cut -c1-16)|" \
        -e "s|@FILES@|$(printf '"%s", ' $files | sed 's/, $//')|" "$root/web/sw.js" > "$1/sw.js"
}
