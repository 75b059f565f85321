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

// Half the difference of screen and window, in twips, even where the screen
// is the smaller: a window is never pushed back onto it.
TEST(Load, CentredOnTheScreen) {
    const WindowPosition wide = centred(12000, 9000, 5535, 7110), small = centred(4800, 3600, 5535, 7110);
    EXPECT_EQ(std::pair(wide.left, wide.top), std::pair(3232.5f, 945.0f));
    EXPECT_EQ(std::pair(small.left, small.top), std::pair(-367.5f, -1755.0f));
}

}  // namespace
}  // namespace lastrino::testing
