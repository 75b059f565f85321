#include "random.h"

#include <chrono>

namespace lastrino {

namespace {
std::uint64_t clockNow() {
    return static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
}  // namespace

ClockRandom::ClockRandom() : engine_(clockNow()) {}

void ClockRandom::reseed() { engine_.seed(engine_() ^ clockNow()); }

double ClockRandom::next() {
    // The top 53 bits give every double of the form k / 2^53: never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

double ScriptedRandom::next() {
    if (queue_.empty()) return fallback_.next();
    const double value = queue_.front();
    queue_.pop_front();
    return value;
}

}  // namespace lastrino
