// Long random play: whatever the player does, the board stays a board.
#include "fixture.h"

#include <gtest/gtest.h>

#include <random>

namespace lastrino::testing {
namespace {

TEST(Play, ThousandsOfRandomActionsKeepTheBoardSound) {
    std::mt19937 rng(20261206);
    Game g;
    std::uint64_t expectedMoves = 0;
    int wins = 0;
    const auto pick = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };

    for (int step = 0; step < 20000; ++step) {
        const int action = pick(100);
        if (action < 70) {
            const int before = g.emptyCell();
            g.program.cmd_Click(1 + pick(cells));
            if (g.emptyCell() != before) ++expectedMoves;
        } else if (action < 74) {
            for (int k = 0; k < 40; ++k) g.program.random().push(std::uniform_real_distribution<double>()(rng));
            g.program.cmdcomincia_Click();
            expectedMoves = 0;
        } else if (action < 76) {
            // A deal one Help away from the win.
            for (int k = 0; k < tiles; ++k) g.program.random().push((k + 0.5) / tiles);
            g.program.cmdcomincia_Click();
            expectedMoves = 0;
            g.w.showHelp();
        } else if (action < 82) {
            if (g.w.helpVisible()) {
                g.program.cmdaiuto_Click();
                ++expectedMoves;
            }
        } else if (action < 84) {
            g.program.cmdsoluzione_Click();
            expectedMoves = 0;
        } else if (action < 92) {
            g.program.tempo_Timer(1 + pick(90));
        } else if (action < 95) {
            if (g.w.optionsEnabled()) {
                const bool si = pick(2) == 0;
                g.w.selectTimed(si);
                si ? g.program.optsi_Click() : g.program.optno_Click();
            }
        } else if (g.program.endWindow()) {
            ++wins;
            if (pick(2) == 0) {
                g.program.cmdsi_Click();
                expectedMoves = 0;
                EXPECT_FALSE(g.w.helpVisible());
            } else {
                g.program.closeEndWindow();
            }
        }
        ASSERT_NO_FATAL_FAILURE(expectSoundBoard(g)) << "after step " << step;
        ASSERT_EQ(g.w.moves(), std::to_string(expectedMoves)) << "after step " << step;
        ASSERT_EQ(g.w.timerEnabled() && g.program.state().atempo == 0, g.w.timerEnabled() && !g.w.timedSelected());
    }
    EXPECT_GT(wins, 10);  // the run did reach the end-of-game window
}

}  // namespace
}  // namespace lastrino::testing
