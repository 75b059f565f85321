// The buttons that act on the whole board: Start, Help and Solution, and the
// load steps of the two windows.
#pragma once

#include "random.h"
#include "window.h"

#include <string>
#include <string_view>

namespace lastrino {

// Exchange the labels "30" and "31" wherever they stand; colours are left alone.
void exchange(GameWindow& w);

// Start, and Restart during a game: a new random deal.
void start(GameState& s, GameWindow& w, RandomSource& random);

// Help: the exchange of 30 and 31 during a game, counted as a move.
void help(GameState& s, GameWindow& w);

// Solution: the solved board, the counters reset, the game over.
void solution(GameState& s, GameWindow& w);

// frmgioco's load step, less the centring that its window does itself.
void gameWindowLoaded(GameState& s);

// The end-of-game window's message, from the game window's move counter,
// whether "Sì" is selected there, and its clock text.
std::string winMessage(std::string_view mosse, bool timed, std::string_view clock);

}  // namespace lastrino
