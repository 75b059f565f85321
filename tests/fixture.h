// A running program with its windows in memory, and what it reported.
#pragma once

#include "driver/program.h"
#include "logic/board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lastrino::testing {

struct Game {
    driver::Program program{driver::Events{}};
    driver::GameWindowInMemory& w = program.frmgioco();

    // Lay out a board from 32 labels ("" for the empty cell), coloured as a game would be.
    void setBoard(const std::vector<std::string>& labels) {
        for (int n = 1; n <= cells; ++n) {
            w.setLabel(n, labels.at(n - 1));
            w.setFaceColour(n, colvuoto);
        }
        colori(w);
    }
    // The solved board with the empty cell moved to `empty` by swapping it with the tile there.
    void solvedWithEmptyAt(int empty) {
        std::vector<std::string> labels;
        for (int n = 1; n <= cells; ++n) labels.push_back(n == cells ? "" : tileLabel(n));
        std::swap(labels[empty - 1], labels[cells - 1]);
        setBoard(labels);
    }
    // Start a game, then lay out a board of our own in it.
    void playing() {
        for (int k = 0; k < tiles; ++k) program.random().push((k + 0.5) / tiles);
        program.cmdcomincia_Click();
    }
    int emptyCell() const {
        for (int n = 1; n <= cells; ++n)
            if (w.faceColour(n) == colvuoto) return n;
        return 0;
    }
};

// Every tile once, in its own colour, and one empty cell wearing colvuoto.
inline void expectSoundBoard(const Game& g) {
    int seen[cells + 1] = {};
    int empties = 0;
    for (int n = 1; n <= cells; ++n) {
        const std::string label = g.w.label(n);
        if (label.empty()) {
            ++empties;
            ASSERT_EQ(g.w.faceColour(n), colvuoto) << "empty cell " << n;
            continue;
        }
        const int t = tileOf(label);
        ASSERT_NE(t, 0) << "cell " << n << " holds '" << label << "'";
        ++seen[t];
        const int home = t - 1;  // a checkerboard of the home cells, blue at the top left
        ASSERT_EQ(g.w.faceColour(n), (home / 4 + home % 4) % 2 == 0 ? 0xFF8080u : 0x00FFFFu) << "cell " << n;
    }
    ASSERT_EQ(empties, 1);
    for (int t = 1; t <= tiles; ++t) ASSERT_EQ(seen[t], 1) << "tile " << t;
}

}  // namespace lastrino::testing
