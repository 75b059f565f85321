// The one place a build chooses between the real deal and timer and the
// tests': compiled twice, into lastrino_seam and lastrino_test_seam.
#include "shell.h"

namespace lastrino {

Seam buildSeam() {
#ifdef LASTRINO_TEST_SEAM
    // Every Start deals tile i onto cell i, so a game can be won in a known
    // handful of clicks, and the clock moves only by the test's ticks.
    static InOrderDeal deal;
    return {.deal = &deal, .manualTicks = true};
#else
    return {};
#endif
}

}  // namespace lastrino
