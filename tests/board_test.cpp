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

}  // namespace
}  // namespace lastrino::testing
