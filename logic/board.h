// The board: 32 cells in 8 rows of 4, tile colours, the move rule and the
// count of tiles in place.
#pragma once

#include "window.h"

#include <string>
#include <string_view>

namespace lastrino {

// The label of tile t ("1" to "31"); the empty cell's label is "".
std::string tileLabel(int tile);

// The tile whose label is exactly `label`, or 0 when it is no tile label.
int tileOf(std::string_view label);

// Recolour every cell from its label; a cell with no tile label keeps its colour.
void colori(GameWindow& w);

// How many of the cells 1 to 31 hold their own tile.
int giusti(const GameWindow& w);

// What a count of tiles in place calls for: Help at 28, the end-of-game window at 31.
void thresholds(GameWindow& w, int inPlace);

// Add one to the move counter, read from and written back to its caption.
void countMove(GameWindow& w);

// A click on cell `index` (1 to 32) of the board.
void tileClick(GameState& s, GameWindow& w, int index);

}  // namespace lastrino
