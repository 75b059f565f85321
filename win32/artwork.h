// The game's pictures: the SVGs of assets/, rasterised at build time for
// each DPI the game meets and kept in the .exe's resources (res/artwork.sh).
#pragma once

#include <windows.h>

#include <string_view>

namespace lastrino::win32 {

// Draws a picture by the name the design tables give it ("comincia",
// "aiuto", "esci", "titolo", "striscia", "vittoria") centred in `box`, as
// large as fits with its own aspect ratio, for a window at `dpi`.
void drawPicture(HDC dc, std::string_view name, const RECT& box, int dpi);

// The window icon at a size in pixels; it lives as long as the program.
HICON windowIcon(int size);

}  // namespace lastrino::win32
