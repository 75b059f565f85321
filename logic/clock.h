// The game clock: minutes and seconds counted in ticks of the timer tempo.
//
// The clock counts ticks and nothing else: it never reads a system clock.
// A front end calls tick() once for each timeout of its timer, however late
// that timeout comes; periods missed while the program was stopped or the
// machine asleep are not made up.
#pragma once

#include "window.h"

#include <cstdint>
#include <string>

namespace lastrino {

constexpr int tickMilliseconds = 1000;

// "00:05", "09:59", "65:03", "100:45": seconds always two digits, minutes at least two.
std::string clockText(std::uint64_t minuti, int secondi);

// One tick of tempo, tempo_Timer: one second more, the label rewritten, the
// timer left enabled.
void tick(GameState& s, GameWindow& w);

// What `periods` ticks in a row leave behind, computed at once: the text
// driver's "tick K" with K up to 2^64 - 1.
void ticks(GameState& s, GameWindow& w, std::uint64_t periods);

// The handlers of the option buttons: the choice of a timed game.
void chooseTimed(GameState& s, bool timed);

}  // namespace lastrino
