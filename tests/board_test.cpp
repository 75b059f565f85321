#include "fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lastrino::testing {
namespace {

// Every pair of clicked cell and empty cell: a tile moves exactly when the
// empty cell is four away (up or down) or one away, across a row's end too,
// except from cell 29 back to cell 28.
TEST(Board, MoveRuleOverEveryPairOfCells) {
    for (int empty = 1; empty <= cells; ++empty) {
        for (int index = 1; index <= cells; ++index) {
            Game g;
            g.playing();
            g.solvedWithEmptyAt(empty);
            const std::string tile = g.w.label(index);
            const Colour colour = g.w.faceColour(index);
            g.program.cmd_Click(index);

            const int d = std::abs(index - empty);
            const bool moves = index != empty && (d == 4 || (d == 1 && !(index == 29 && empty == 28)));
            SCOPED_TRACE("click " + std::to_string(index) + " with " + std::to_string(empty) + " empty");
            if (moves) {
                EXPECT_EQ(g.w.label(empty), tile);
                EXPECT_EQ(g.w.faceColour(empty), colour);
                EXPECT_EQ(g.w.label(index), "");
                EXPECT_EQ(g.w.faceColour(index), colvuoto);
                EXPECT_EQ(g.w.moves(), "1");
            } else {
                EXPECT_EQ(g.emptyCell(), empty);
                EXPECT_EQ(g.w.label(index), tile);
                EXPECT_EQ(g.w.moves(), "0");
            }
            EXPECT_EQ(g.w.focus(), "cmdsoluzione");
        }
    }
}

TEST(Board, BeforeStartAClickOnlyMovesTheFocus) {
    Game g;
    g.solvedWithEmptyAt(31);
    g.w.setFocus("cmdcomincia");
    g.program.cmd_Click(32);
    EXPECT_EQ(g.w.label(32), "31");
    EXPECT_EQ(g.emptyCell(), 31);
    EXPECT_EQ(g.w.moves(), "0");
    EXPECT_EQ(g.w.focus(), "cmdsoluzione");
    EXPECT_EQ(g.helpShown, 0);
    EXPECT_TRUE(g.endWindows.empty());
}

TEST(Board, HelpAppearsAtExactly28InPlace) {
    Game g;
    g.playing();
    // Tiles 1 to 27 home, then 29 30 31 28 and the empty cell 32.
    std::vector<std::string> labels;
    for (int n = 1; n <= 27; ++n) labels.push_back(tileLabel(n));
    for (const char* l : {"29", "30", "31", "28", ""}) labels.push_back(l);
    g.setBoard(labels);
    g.program.cmd_Click(31);  // 28 into 32: 27 in place
    EXPECT_EQ(g.helpShown, 0);
    g.program.cmd_Click(30);  // 31 into 31: 28 in place
    EXPECT_EQ(g.helpShown, 1);
    EXPECT_TRUE(g.w.helpVisible());
    g.program.cmd_Click(1);  // nothing moves, the count runs again
    EXPECT_EQ(g.helpShown, 2);
    EXPECT_EQ(g.w.moves(), "2");
}

}  // namespace
}  // namespace lastrino::testing
