// Small Win32 helpers: text from UTF-8, colour values, brushes and fonts, and
// pixels from the design tables at a window's DPI.
#pragma once

#include "logic/layout.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace lastrino::win32 {

std::wstring widen(std::string_view utf8);

// The colour to paint for a colour value: a system colour is looked up, an
// RGB value is taken as it is.
COLORREF colorref(Colour colour);

// Brushes and fonts live as long as the program; one of each is made, a font
// once for each DPI the windows meet.
HBRUSH brush(Colour colour);
HFONT font(const layout::Font& font, int dpi);

// Twips to pixels at a DPI, rounded to the nearest pixel.
inline int scaled(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }

// A design rectangle in pixels at a DPI, relative to the window's client
// area; its edges are rounded, so neighbours keep meeting as they do in twips.
RECT pixelRect(const layout::Window& window, const layout::Control& control, int dpi);

}  // namespace lastrino::win32
