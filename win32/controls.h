// Small Win32 helpers shared by the two windows: text in UTF-8, colour values,
// brushes and fonts, and pixels from the design tables.
#pragma once

#include "logic/layout.h"
#include "logic/window.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace lastrino::win32 {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view text);

// A control's caption as UTF-8, exactly as it was set.
std::string windowText(HWND hwnd);
void setWindowText(HWND hwnd, std::string_view utf8);

// The colour to paint for a colour value: a system colour is looked up, an
// RGB value is taken as it is.
COLORREF colorref(Colour colour);

// Brushes and fonts live as long as the program; one of each is made.
HBRUSH brush(Colour colour);
HFONT font(const layout::Font& font);

// Font height in pixels at 96 dots per inch, negative for the character height.
constexpr int fontHeight(double points) { return -static_cast<int>(points * 96 / 72 + 0.5); }

// A design rectangle in pixels, relative to the window's client area.
RECT pixelRect(const layout::Window& window, const layout::Control& control);

}  // namespace lastrino::win32
