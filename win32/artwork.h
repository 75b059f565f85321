// The game's pictures, drawn with GDI: the window icon, the three button
// pictures and the three decorations. Each is drawn to fill the rectangle it
// is given.
#pragma once

#include <windows.h>

#include <string_view>

namespace lastrino::win32 {

// Pictures by the names the design tables give them: "lastrino" (the icon),
// "comincia", "aiuto", "esci" (32 x 32 button pictures), "titolo" (title
// banner), "striscia" (picture strip) and "vittoria" (end-of-game banner).
void drawPicture(HDC dc, std::string_view name, const RECT& where);

// The window icon at a size in pixels.
HICON makeIcon(int size);

}  // namespace lastrino::win32
