#include "fixture.h"

#include "logic/clock.h"

#include <gtest/gtest.h>

#include <utility>

namespace lastrino::testing {
namespace {

// A timed game, started and ticked `n` times one tick at a time.
std::string afterTicks(int n) {
    Game g;
    g.program.optsi_Click();
    g.program.cmdcomincia_Click();
    for (int i = 0; i < n; ++i) g.program.tempo_Timer(1);
    return g.w.clockText();
}

TEST(Clock, TicksCountMinutesAndSeconds) {
    const std::pair<int, const char*> expected[] = {
        {1, "00:01"},    {59, "00:59"},   {60, "01:00"},   {599, "09:59"},   {600, "10:00"},
        {3599, "59:59"}, {3600, "60:00"}, {5999, "99:59"}, {6000, "100:00"},
    };
    for (const auto& [n, text] : expected) EXPECT_EQ(afterTicks(n), text) << n << " ticks";
}

TEST(Clock, AMillionTicksOneByOneMatchTheBulkCount) {
    Game one, bulk;
    for (Game* g : {&one, &bulk}) {
        g->program.optsi_Click();
        g->program.cmdcomincia_Click();
    }
    for (int i = 0; i < 1'000'000; ++i) one.program.tempo_Timer(1);
    bulk.program.tempo_Timer(1'000'000);
    EXPECT_EQ(one.w.clockText(), "16666:40");
    EXPECT_EQ(bulk.w.clockText(), "16666:40");
    EXPECT_EQ(one.program.state().secondi, bulk.program.state().secondi);
    EXPECT_EQ(one.program.state().minuti, bulk.program.state().minuti);
}

TEST(Clock, BulkTicksAgreeWithSingleTicksFromAnySecond) {
    for (int offset = 0; offset < 60; offset += 7) {
        for (std::uint64_t n : {1u, 2u, 59u, 60u, 61u, 119u, 3601u}) {
            GameState a, b;
            a.secondi = b.secondi = offset;
            Game wa, wb;
            for (std::uint64_t i = 0; i < n; ++i) tick(a, wa.w);
            ticks(b, wb.w, n);
            EXPECT_EQ(wa.w.clockText(), wb.w.clockText()) << offset << " + " << n;
            EXPECT_TRUE(wb.w.timerEnabled());
        }
    }
}

TEST(Clock, MinutesGoPast32Bits) {
    GameState s;
    Game g;
    ticks(s, g.w, 60ull * 5'000'000'000ull + 9);
    EXPECT_EQ(g.w.clockText(), "5000000000:09");
    ticks(s, g.w, 18446744073709551615ull);  // the largest count the driver takes
    EXPECT_EQ(s.minuti, 5'000'000'000ull + 307445734561825860ull);
    EXPECT_EQ(s.secondi, 24);
}

TEST(Clock, ChoosingTimedStartsNothingUntilStart) {
    Game g;
    g.program.optsi_Click();
    EXPECT_EQ(g.program.state().atempo, 1);
    EXPECT_FALSE(g.w.timerEnabled());
    g.program.optno_Click();
    EXPECT_EQ(g.program.state().atempo, 0);
    g.program.cmdcomincia_Click();
    EXPECT_FALSE(g.w.timerEnabled());
}

}  // namespace
}  // namespace lastrino::testing
