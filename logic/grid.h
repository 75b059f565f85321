// The board's shape and the game's colours: what the rules, the design of
// the windows and every screen agree on.
#pragma once

#include <cstdint>

namespace lastrino {

// A colour in the Windows convention: 0x00BBGGRR, or 0x800000nn for system
// colour nn. Kept as the value itself, never resolved.
using Colour = std::uint32_t;

constexpr Colour colblu = 0xFF8080;
constexpr Colour colgiallo = 0x00FFFF;
constexpr Colour colvuoto = 0x8000000F;  // system colour 15: button face
constexpr Colour colpesca = 0x80C0FF;
constexpr Colour coltesto = 0xFF0000;
constexpr Colour colrosso = 0x0000FF;
constexpr Colour colsi = 0x80FFFF;  // face of the end-of-game window's buttons

constexpr bool isSystemColour(Colour c) { return (c & 0xFF000000u) == 0x80000000u; }

constexpr int rows = 8;
constexpr int columns = 4;
constexpr int cells = rows * columns;  // cell 32 is the bottom-right corner
constexpr int tiles = cells - 1;

constexpr int rowOf(int cell) { return (cell - 1) / columns; }
constexpr int columnOf(int cell) { return (cell - 1) % columns; }

// Tile t wears the colour of its home square on a checkerboard, blue where
// row + column is even.
constexpr Colour tileColour(int tile) { return (rowOf(tile) + columnOf(tile)) % 2 == 0 ? colblu : colgiallo; }

}  // namespace lastrino
