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

// The periods of tempo that have come due, counted on a monotonic clock from
// the moment the timer was enabled. A front end's timer can be held up by a
// busy event loop, so each wake-up reads the periods off the clock: none is
// lost, none is counted twice, and the next wake-up is aimed at the next
// whole period, so the ticks never drift.
class DuePeriods {
public:
    explicit DuePeriods(std::uint64_t periodMs) : period_(periodMs) {}

    void restart(std::uint64_t nowMs) {
        start_ = nowMs;
        counted_ = 0;
    }
    // Periods that have come due since the last call.
    std::uint64_t take(std::uint64_t nowMs);
    // When the next period comes due, on the same clock.
    std::uint64_t nextDue() const { return start_ + (counted_ + 1) * period_; }
    // Milliseconds from now until then; at least 1.
    std::uint64_t untilNext(std::uint64_t nowMs) const { return nextDue() > nowMs ? nextDue() - nowMs : 1; }

private:
    std::uint64_t period_;
    std::uint64_t start_ = 0;
    std::uint64_t counted_ = 0;
};

// The handlers of the option buttons: the choice of a timed game.
void chooseTimed(GameState& s, bool timed);

}  // namespace lastrino
