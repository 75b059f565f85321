#include "win32/periods.h"

#include <gtest/gtest.h>

namespace {

using lastrino::win32::DuePeriods;

TEST(DuePeriods, CountsEachPeriodOnceHoweverLateTheTimerComes) {
    DuePeriods p(1000);
    p.restart(5000);
    EXPECT_EQ(p.take(5999), 0u);  // a timer message a little early ticks nothing
    EXPECT_EQ(p.take(6000), 1u);
    EXPECT_EQ(p.take(6500), 0u);  // nothing twice
    EXPECT_EQ(p.take(9400), 3u);  // a loop held up 3.4 s catches up with 3 ticks
    EXPECT_EQ(p.take(10000), 1u);
    EXPECT_EQ(p.take(10000), 0u);
}

TEST(DuePeriods, NoDriftOverAnHourOfLateMessages) {
    // Each message comes 15 ms after it was due. A timer set again for a
    // whole period at every message would lose 54 s in an hour.
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

TEST(DuePeriods, NextTimerIsSetForTheNextBoundary) {
    DuePeriods p(1000);
    p.restart(100);
    EXPECT_EQ(p.untilNext(100), 1000u);
    p.take(1350);  // one period due; the next one at 2100
    EXPECT_EQ(p.untilNext(1350), 750u);
    EXPECT_EQ(p.untilNext(2100), 1u);  // due now: as soon as may be
    p.restart(50000);  // the timer enabled again after Solution
    EXPECT_EQ(p.take(50999), 0u);
    EXPECT_EQ(p.take(51000), 1u);
}

}  // namespace
