// The rules on a program whose windows are in memory. The rules are checked
// through the transcripts (tests/games, tests/driver); here is what a
// transcript cannot say: the real generator, and centring on a small screen.
#include "driver/commands.h"
#include "logic/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace lastrino::testing {
namespace {

const layout::Control& control(std::string_view name) { return *layout::find(layout::frmgioco, name); }

// The real generator, reseeded at each Start: two Starts in quick succession
// deal different boards.
TEST(Start, TwoQuickStartsDealDifferentBoards) {
    driver::MemoryScreen screen;
    Shell shell{screen};
    shell.run();
    std::vector<std::string> boards[2];
    for (auto& board : boards) {
        shell.press(control("cmdcomincia"));
        for (int n = 1; n <= cells; ++n) board.push_back(shell.state(control("cmd" + std::to_string(n))).text);
    }
    EXPECT_NE(boards[0], boards[1]);
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
