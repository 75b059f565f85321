#include "fixture.h"

#include "logic/actions.h"

#include <gtest/gtest.h>

namespace lastrino::testing {
namespace {

// The real generator, reseeded at each Start: two Starts in quick succession
// deal different boards.
TEST(Start, TwoQuickStartsDealDifferentBoards) {
    Game g;
    std::vector<std::string> boards[2];
    for (auto& board : boards) {
        g.program.cmdcomincia_Click();
        for (int n = 1; n <= cells; ++n) board.push_back(g.w.label(n));
    }
    EXPECT_NE(boards[0], boards[1]);
}

// A restart deals afresh whatever the board was, the empty cell included.
TEST(Start, RestartDealsAfreshFromAnyBoard) {
    Game g;
    g.playing();
    g.solvedWithEmptyAt(7);
    g.w.setMoves("12");
    g.program.cmdcomincia_Click();
    expectSoundBoard(g);
    EXPECT_EQ(g.emptyCell(), cells);
    EXPECT_EQ(g.w.moves(), "0");
    EXPECT_TRUE(g.endWindows.empty());
    EXPECT_EQ(g.program.state().partita, 1);
}

TEST(Start, ATimedStartRunsTheClockFromZero) {
    Game g;
    g.program.optsi_Click();
    g.w.selectTimed(true);
    g.program.cmdcomincia_Click();
    EXPECT_TRUE(g.w.timerEnabled());
    EXPECT_EQ(g.w.clockText(), "00:00");
    g.program.tempo_Timer(75);
    EXPECT_EQ(g.w.clockText(), "01:15");
    // A restart zeroes the counters but not the label, until the next tick.
    g.program.cmdcomincia_Click();
    EXPECT_EQ(g.w.clockText(), "01:15");
    EXPECT_TRUE(g.w.timerEnabled());
    g.program.tempo_Timer(1);
    EXPECT_EQ(g.w.clockText(), "00:01");
}

TEST(Help, InAGameExchangesRecoloursAndCountsAMove) {
    Game g;
    g.playing();
    std::vector<std::string> labels;
    for (int n = 1; n <= cells; ++n) labels.push_back(tileLabel(n));
    labels[6] = "30";   // cell 7
    labels[29] = "";    // cell 30 empty
    labels[31] = "31";  // cell 32
    labels[30] = "7";   // cell 31
    g.setBoard(labels);
    g.w.setMoves("41");
    g.program.cmdaiuto_Click();
    EXPECT_EQ(g.w.label(32), "30");
    EXPECT_EQ(g.w.faceColour(32), 0xFF8080u);
    EXPECT_EQ(g.w.label(7), "31");
    EXPECT_EQ(g.w.faceColour(7), 0x00FFFFu);
    EXPECT_EQ(g.w.moves(), "42");
}

}  // namespace
}  // namespace lastrino::testing
