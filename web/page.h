// The page's side of a window: elements built from the tables of
// logic/layout.h, placed in CSS pixels, coloured and lettered as designed.
#pragma once

#include "logic/layout.h"

#include <emscripten/val.h>

#include <map>
#include <string>
#include <string_view>

namespace lastrino::web {

using emscripten::val;

// A window on the page: a frame with a title bar around the client area,
// and its controls by name.
struct Window {
    val frame = val::null();
    val client = val::null();  // the client area, where the controls sit
    std::map<std::string, val, std::less<>> controls;

    val operator[](std::string_view name) const { return controls.find(name)->second; }
};

// Builds a window from its table, extra controls included (the cells of the
// board), each in its place in the tab order, and puts it on the page.
Window buildWindow(const layout::Window& design, std::span<const layout::Control> extra = {});

// A window's load step: centred on the page by its outer size, as a desktop
// window is on the screen, and in front of the other.
void centreAndRaise(const Window& w);
// Centred so, but never with its title bar above or left of the page;
// again when the page is resized, until the player moves it (page.js).
void centre(val frame);

void unload(Window& w);

void setText(val element, std::string_view text);
void setFace(val button, Colour colour);
// A CSS colour for a colour value; system colours by their CSS names.
std::string css(Colour colour);

}  // namespace lastrino::web
