#include "fixture.h"

#include "logic/actions.h"

#include <gtest/gtest.h>

namespace lastrino::testing {
namespace {

// A fresh deal: a sound board with the corner empty.
void expectWellDealt(const Game& g) {
    expectSoundBoard(g);
    EXPECT_EQ(g.emptyCell(), cells);
}

TEST(Start, DealsEveryTileOnceAndBeginsTheGame) {
    Game g;
    g.program.cmdcomincia_Click();
    expectWellDealt(g);
    EXPECT_EQ(g.program.state().partita, 1);
    EXPECT_EQ(g.w.moves(), "0");
    EXPECT_EQ(g.w.startTooltip(), "Ricomincia");
    EXPECT_FALSE(g.w.optionsEnabled());
    EXPECT_FALSE(g.w.timedSelected());
    EXPECT_FALSE(g.w.timerEnabled());
    EXPECT_EQ(g.w.clockText(), "00:00");
}

TEST(Start, FreeCellsInOrderDealTheBoardWith30And31Exchanged) {
    Game g;
    for (int k = 0; k < tiles; ++k) g.program.random().push((k + 0.5) / 31.0);
    g.program.cmdcomincia_Click();
    for (int n = 1; n <= 29; ++n) EXPECT_EQ(g.w.label(n), tileLabel(n));
    EXPECT_EQ(g.w.label(30), "31");
    EXPECT_EQ(g.w.label(31), "30");
    EXPECT_EQ(g.w.faceColour(30), colgiallo);
    EXPECT_EQ(g.w.faceColour(31), colblu);
    EXPECT_EQ(g.program.random().queued(), 0u);
    EXPECT_EQ(g.helpShown, 0);  // Start counts nothing
}

TEST(Start, DrawsAgainWhenTheCellIsTaken) {
    Game g;
    // Tile 1 to cell 31; tile 2 draws 31 and 31 again, then cell 1.
    for (double x : {0.99, 0.995, 0.999999, 0.0}) g.program.random().push(x);
    for (int k = 1; k < 30; ++k) g.program.random().push((k + 0.5) / 31.0);
    g.program.cmdcomincia_Click();
    EXPECT_EQ(g.w.label(31), "1");
    EXPECT_EQ(g.w.label(1), "2");
    EXPECT_EQ(g.w.label(2), "3");
    expectWellDealt(g);
}

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

TEST(Start, TwiceDealsAfreshAndResetsTheCounters) {
    Game g;
    g.playing();
    g.solvedWithEmptyAt(31);
    g.program.cmd_Click(32);
    ASSERT_EQ(g.endWindows.size(), 1u);
    g.program.cmdcomincia_Click();
    expectWellDealt(g);
    EXPECT_EQ(g.w.moves(), "0");
    EXPECT_EQ(g.endWindows.size(), 1u);
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

TEST(Exchange, SwapsTheLabels30And31Only) {
    Game g;
    g.solvedWithEmptyAt(7);  // tile 7 in cell 32
    exchange(g.w);
    EXPECT_EQ(g.w.label(30), "31");
    EXPECT_EQ(g.w.label(31), "30");
    EXPECT_EQ(g.w.label(32), "7");
    EXPECT_EQ(g.w.faceColour(30), colblu);  // colours wait for colori
    exchange(g.w);
    EXPECT_EQ(g.w.label(30), "30");
    EXPECT_EQ(g.w.label(31), "31");
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
    EXPECT_EQ(g.w.faceColour(32), colblu);
    EXPECT_EQ(g.w.label(7), "31");
    EXPECT_EQ(g.w.faceColour(7), colgiallo);
    EXPECT_EQ(g.w.moves(), "42");
}

TEST(Help, At28InPlaceAsksForHelpAgain) {
    Game g;
    g.playing();
    g.solvedWithEmptyAt(29);  // 29 in cell 32: 30 in place
    g.program.cmdaiuto_Click();  // 30 and 31 swap: 28 in place
    EXPECT_EQ(g.helpShown, 1);
    EXPECT_EQ(g.w.moves(), "1");
}

TEST(Solution, EndsATimedGameWithTheSolvedBoard) {
    Game g;
    g.program.optsi_Click();
    g.w.selectTimed(true);
    g.program.cmdcomincia_Click();
    g.program.tempo_Timer(5);
    g.w.showHelp();
    g.program.cmdsoluzione_Click();
    for (int n = 1; n <= tiles; ++n) {
        EXPECT_EQ(g.w.label(n), tileLabel(n));
        EXPECT_EQ(g.w.faceColour(n), tileColour(n));
    }
    EXPECT_EQ(g.w.label(32), "");
    EXPECT_EQ(g.w.faceColour(32), colvuoto);
    EXPECT_EQ(g.program.state().partita, 0);
    EXPECT_EQ(g.program.state().atempo, 0);
    EXPECT_EQ(g.w.moves(), "0");
    EXPECT_EQ(g.w.clockText(), "00:00");
    EXPECT_EQ(g.w.startTooltip(), "Comincia");
    EXPECT_FALSE(g.w.timedSelected());
    EXPECT_TRUE(g.w.optionsEnabled());
    EXPECT_FALSE(g.w.timerEnabled());
    EXPECT_TRUE(g.w.helpVisible());  // Solution leaves Help alone
    g.program.tempo_Timer(3);
    EXPECT_EQ(g.w.clockText(), "00:00");
}

TEST(WinMessage, UntimedAndTimed) {
    EXPECT_EQ(winMessage("57", false, "03:27"), "Hai vinto in 57 mosse!");
    EXPECT_EQ(winMessage("57", true, "03:27"), "Hai vinto in 57 mosse e con un tempo di 03:27!");
    EXPECT_EQ(winMessage("1", true, "100:00"), "Hai vinto in 1 mosse e con un tempo di 100:00!");
}

TEST(Centring, HalvesInSinglePrecisionWithoutClamping) {
    const auto p = centred(19200, 14400, 5655, 7635);
    EXPECT_FLOAT_EQ(p.left, 6772.5f);
    EXPECT_FLOAT_EQ(p.top, 3382.5f);
    const auto small = centred(4800, 3600, 5655, 7635);
    EXPECT_FLOAT_EQ(small.left, -427.5f);
    EXPECT_FLOAT_EQ(small.top, -2017.5f);
}

}  // namespace
}  // namespace lastrino::testing
