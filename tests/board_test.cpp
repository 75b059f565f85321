#include "fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace lastrino::testing {
namespace {

TEST(Board, TileColoursFollowTheCheckerboard) {
    const std::set<int> blue{1, 3, 6, 8, 9, 11, 14, 16, 17, 19, 22, 24, 25, 27, 30};
    for (int t = 1; t <= tiles; ++t) {
        EXPECT_EQ(tileColour(t), blue.count(t) ? colblu : colgiallo) << "tile " << t;
    }
    EXPECT_EQ(colblu, 0xFF8080u);
    EXPECT_EQ(colgiallo, 0x00FFFFu);
    EXPECT_EQ(colvuoto, 0x8000000Fu);
}

TEST(Board, ColoriPaintsTilesAndLeavesTheEmptyCell) {
    Game g;
    std::vector<std::string> labels;
    for (int n = 1; n <= cells; ++n) labels.push_back(tileLabel(n));
    labels[30] = "";  // cell 31 empty, tile 31 in cell 32
    labels[31] = "31";
    for (int n = 1; n <= cells; ++n) g.w.setLabel(n, labels[n - 1]);
    g.w.setFaceColour(31, colvuoto);
    g.w.setFaceColour(32, colblu);
    colori(g.w);
    EXPECT_EQ(g.w.faceColour(32), colgiallo);
    EXPECT_EQ(g.w.faceColour(31), colvuoto);
    EXPECT_EQ(g.w.faceColour(30), colblu);
}

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

TEST(Board, ThirtyInPlaceShowsNothingAndThirtyOneWins) {
    Game g;
    g.playing();
    g.solvedWithEmptyAt(31);  // 30 in place
    g.program.cmd_Click(1);
    EXPECT_EQ(g.helpShown, 0);
    EXPECT_TRUE(g.endWindows.empty());
    g.program.cmd_Click(32);  // tile 31 home
    ASSERT_EQ(g.endWindows.size(), 1u);
    EXPECT_EQ(g.endWindows[0], "Hai vinto in 1 mosse!");
    // The game goes on: another click on the won board opens a new window.
    EXPECT_EQ(g.program.state().partita, 1);
    g.program.cmd_Click(5);
    EXPECT_EQ(g.endWindows.size(), 2u);
    EXPECT_EQ(g.endWindows[1], "Hai vinto in 1 mosse!");
}

}  // namespace
}  // namespace lastrino::testing
