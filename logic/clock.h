// The game clock: minutes and seconds counted in ticks of the timer tempo.
#pragma once

#include "window.h"

#include <cstdint>
#include <string>

namespace lastrino {

constexpr int tickMilliseconds = 1000;

// "00:05", "09:59", "65:03", "100:45": seconds always two digits, minutes at least two.
std::string clockText(std::uint64_t minuti, int secondi);

// One tick of tempo: one second more, the label rewritten, the timer left enabled.
void tick(GameState& s, GameWindow& w);

// The same as `periods` ticks in a row, the label written once. A front end
// whose event loop was held up for several periods catches up with it.
void ticks(GameState& s, GameWindow& w, std::uint64_t periods);

// The handlers of the option buttons: the choice of a timed game.
void chooseTimed(GameState& s, bool timed);

}  // namespace lastrino
