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

TEST(DuePeriods, CountsEachPeriodOnceHoweverLateTheTimerComes) {
    DuePeriods p(1000);
    p.restart(5000);
    EXPECT_EQ(p.untilNext(5000), 1000u);
    EXPECT_EQ(p.take(5999), 0u);  // a wake-up a little early ticks nothing
    EXPECT_EQ(p.take(6000), 1u);
    EXPECT_EQ(p.take(6500), 0u);  // nothing twice
    EXPECT_EQ(p.untilNext(6500), 500u);
    EXPECT_EQ(p.take(9400), 3u);  // a loop held up 3.4 s catches up with 3 ticks
    EXPECT_EQ(p.untilNext(10000), 1u);  // due now: as soon as may be
    EXPECT_EQ(p.take(10000), 1u);
    p.restart(50000);  // enabled again after Solution: a period from now
    EXPECT_EQ(p.take(50999), 0u);
    EXPECT_EQ(p.take(51000), 1u);
}

TEST(DuePeriods, NoDriftOverAnHourOfLateWakeUps) {
    // Each wake-up comes 15 ms after it was due. A timer set again for a
    // whole period at every wake-up would lose 54 s in an hour.
    DuePeriods p(1000);
    p.restart(0);
    std::uint64_t now = 0, ticked = 0;
    while (ticked < 3600) {
        now += p.untilNext(now) + 15;
        ticked += p.take(now);
    }
    EXPECT_EQ(ticked, 3600u);
    EXPECT_LT(now, 3601u * 1000);
}

}  // namespace
}  // namespace lastrino::testing
