# Builds the page with Debian's Emscripten (the emscripten package).
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Debian's em++ runs its JS optimiser on node, which finds Debian's JS
# modules only through NODE_PATH when the node on the PATH is another.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env "NODE_PATH=/usr/share/nodejs:$ENV{NODE_PATH}")
