#include "board.h"

#include <charconv>
#include <cstdint>

namespace lastrino {

std::string tileLabel(int tile) { return std::to_string(tile); }

int tileOf(std::string_view label) {
    // Labels are compared as text: "07" or "+7" is no tile label.
    if (label.empty() || label.size() > 2 || label[0] == '0') return 0;
    int tile = 0;
    auto [end, err] = std::from_chars(label.data(), label.data() + label.size(), tile);
    if (err != std::errc{} || end != label.data() + label.size()) return 0;
    return tile >= 1 && tile <= tiles ? tile : 0;
}

void colori(GameWindow& w) {
    for (int n = 1; n <= cells; ++n) {
        if (int t = tileOf(w.label(n)); t != 0) w.setFaceColour(n, tileColour(t));
    }
}

int giusti(const GameWindow& w) {
    int count = 0;
    for (int n = 1; n <= tiles; ++n) {
        if (w.label(n) == tileLabel(n)) ++count;
    }
    return count;
}

void thresholds(GameWindow& w, int inPlace) {
    if (inPlace == 28) w.showHelp();
    if (inPlace == tiles) w.showEndWindow();
}

void countMove(GameWindow& w) {
    // The caption is always one the game wrote, a plain decimal number.
    const std::string text = w.moves();
    std::uint64_t n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    w.setMoves(std::to_string(n + 1));
}

void tileClick(GameState& s, GameWindow& w, int index) {
    w.focusSolution();
    if (s.partita != 1) return;

    // Candidates up, down, left, right. Left and right run on across the end
    // of a row, except that cell 29 never looks back at cell 28.
    int vicini[5] = {};
    if (index > 4) vicini[1] = index - 4;
    if (index < 29) vicini[2] = index + 4;
    if (index != 29) vicini[3] = index - 1;
    vicini[4] = index + 1;

    for (int j = 1; j <= 4; ++j) {
        const int v = vicini[j];
        // The empty cell is found by its colour, not by its empty label.
        if (v > 0 && v < 33 && w.faceColour(v) == colvuoto) {
            w.setFaceColour(v, w.faceColour(index));
            w.setLabel(v, w.label(index));
            w.setLabel(index, "");
            w.setFaceColour(index, colvuoto);
            countMove(w);
        }
    }
    thresholds(w, giusti(w));
}

}  // namespace lastrino
