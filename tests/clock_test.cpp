#include "fixture.h"

#include "logic/clock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>

namespace lastrino::testing {
namespace {

// The clock text written out independently: at least two digits each.
std::string mmss(int total) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d", total / 60, total % 60);
    return text;
}

// Every tick adds one second and rewrites the label, whatever came before:
// every second of the first minute and of minute 100, and each minute's turn,
// two digits at least for each.
TEST(Clock, EachTickIsOneSecond) {
    GameState s;
    Game g;
    for (int n = 1; n <= 6060; ++n) {
        g.w.enableTimer(false);
        tick(s, g.w);
        ASSERT_TRUE(g.w.timerEnabled()) << n;
        if (n < 60 || n % 60 <= 1 || n % 60 == 59 || n >= 6000) {
            ASSERT_EQ(g.w.clockText(), mmss(n)) << n;
        }
    }
}

// The driver's "tick K": K ticks at once, from any second.
TEST(Clock, ManyTicksAtOnce) {
    struct Case {
        int secondi;
        std::uint64_t minuti, periods;
        const char* text;
    } const cases[] = {
        {0, 0, 1, "00:01"},      {59, 0, 1, "01:00"},      {58, 0, 61, "01:59"},    {30, 9, 30, "10:00"},
        {0, 0, 3600, "60:00"},   {0, 0, 6000, "100:00"},   {45, 99, 15, "100:00"},  {0, 0, 1'000'000, "16666:40"},
        {0, 0, 60ull * 5'000'000'000ull + 9, "5000000000:09"},
    };
    for (const Case& c : cases) {
        GameState s;
        s.secondi = c.secondi;
        s.minuti = c.minuti;
        Game g;
        ticks(s, g.w, c.periods);
        EXPECT_EQ(g.w.clockText(), c.text) << c.secondi << " + " << c.periods;
        EXPECT_TRUE(g.w.timerEnabled());
    }
    GameState s;
    s.minuti = 5'000'000'000ull;
    s.secondi = 9;
    Game g;
    ticks(s, g.w, 18446744073709551615ull);  // the largest count the driver takes
    EXPECT_EQ(s.minuti, 5'000'000'000ull + 307445734561825860ull);
    EXPECT_EQ(s.secondi, 24);
}

}  // namespace
}  // namespace lastrino::testing
