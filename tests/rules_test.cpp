// The rules on a program whose windows are in memory. Most of the rules are
// checked through the transcripts (tests/games, tests/driver); here are
// what a transcript cannot say in a few lines.
#include "driver/commands.h"
#include "logic/actions.h"
#include "logic/board.h"
#include "logic/layout.h"
#include "logic/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace lastrino::testing {
namespace {

const layout::Control& control(std::string_view name) { return *layout::find(layout::frmgioco, name); }

struct Game {
    driver::MemoryScreen screen;
    Shell shell{screen};
    GameWindow& w = shell.gameWindow();

    Game() { shell.run(); }
    void click(int cell) { shell.press(control("cmd" + std::to_string(cell))); }

    // A game in progress on the solved board, its empty cell swapped onto `empty`.
    void playingWithEmptyAt(int empty) {
        shell.press(control("cmdcomincia"));
        for (int n = 1; n <= cells; ++n) {
            w.setLabel(n, n == empty ? "" : n == cells ? tileLabel(empty) : tileLabel(n));
            w.setFaceColour(n, colvuoto);
        }
        colori(w);
    }
    std::vector<std::pair<std::string, Colour>> board() const {
        std::vector<std::pair<std::string, Colour>> b;
        for (int n = 1; n <= cells; ++n) b.emplace_back(w.label(n), w.faceColour(n));
        return b;
    }
};

// Every pair of clicked cell and empty cell: a tile moves, its label and
// colour with it, exactly when the empty cell is four away (up or down) or
// one away, across a row's end too, except from cell 29 back to cell 28.
// Nothing else on the board changes.
TEST(Board, MoveRuleOverEveryPairOfCells) {
    for (int empty = 1; empty <= cells; ++empty) {
        for (int index = 1; index <= cells; ++index) {
            Game g;
            g.playingWithEmptyAt(empty);
            auto expected = g.board();
            const int d = std::abs(index - empty);
            const bool moves = index != empty && (d == 4 || (d == 1 && !(index == 29 && empty == 28)));
            if (moves) std::swap(expected[index - 1], expected[empty - 1]);
            g.click(index);
            SCOPED_TRACE("click " + std::to_string(index) + " with " + std::to_string(empty) + " empty");
            EXPECT_EQ(g.board(), expected);
            EXPECT_EQ(g.w.moves(), moves ? "1" : "0");
            EXPECT_EQ(g.shell.focus(layout::frmgioco)->name, "cmdsoluzione");
        }
    }
}

// The real generator, reseeded at each Start: two Starts in quick succession
// deal different boards.
TEST(Start, TwoQuickStartsDealDifferentBoards) {
    Game g;
    std::vector<std::string> boards[2];
    for (auto& board : boards) {
        g.shell.press(control("cmdcomincia"));
        for (int n = 1; n <= cells; ++n) board.push_back(g.w.label(n));
    }
    EXPECT_NE(boards[0], boards[1]);
}

// The real generator's draws stay below 1, which would deal onto cell 32.
TEST(Start, DrawsAreBelowOne) {
    ClockRandom random;
    double most = 0;
    for (int i = 0; i < 100000; ++i) most = std::max(most, random.next());
    EXPECT_GE(most, 0.99);
    EXPECT_LT(most, 1.0);
}

// Half the difference of screen and window, in twips, even where the screen
// is the smaller: a window is never pushed back onto it.
TEST(Load, CentredOnTheScreen) {
    const auto wide = layout::centred(12000, 9000, 5535, 7110), small = layout::centred(4800, 3600, 5535, 7110);
    EXPECT_EQ(std::pair(wide.left, wide.top), std::pair(3232.5f, 945.0f));
    EXPECT_EQ(std::pair(small.left, small.top), std::pair(-367.5f, -1755.0f));
}

}  // namespace
}  // namespace lastrino::testing
