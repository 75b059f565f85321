#include "clock.h"

#include <limits>

namespace lastrino {

std::string clockText(std::uint64_t minuti, int secondi) {
    std::string text = minuti < 10 ? "0" : "";
    text += std::to_string(minuti);
    text += secondi < 10 ? ":0" : ":";
    text += std::to_string(secondi);
    return text;
}

void tick(GameState& s, GameWindow& w) {
    s.secondi += 1;
    if (s.secondi == 60) {
        s.secondi = 0;
        s.minuti += 1;
    }
    w.setClockText(clockText(s.minuti, s.secondi));
    w.enableTimer(true);
}

void ticks(GameState& s, GameWindow& w, std::uint64_t periods) {
    if (periods == 0) return;
    // The minutes stop at the largest count rather than wrap back to 00.
    const auto addMinutes = [&s](std::uint64_t m) {
        s.minuti = m > std::numeric_limits<std::uint64_t>::max() - s.minuti ? std::numeric_limits<std::uint64_t>::max()
                                                                            : s.minuti + m;
    };
    addMinutes(periods / 60);
    s.secondi += static_cast<int>(periods % 60);
    if (s.secondi >= 60) {
        s.secondi -= 60;
        addMinutes(1);
    }
    w.setClockText(clockText(s.minuti, s.secondi));
    w.enableTimer(true);
}

void chooseTimed(GameState& s, bool timed) { s.atempo = timed ? 1 : 0; }

}  // namespace lastrino
