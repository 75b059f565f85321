#include "actions.h"

#include "board.h"

#include <algorithm>

namespace lastrino {

void exchange(GameWindow& w) {
    // Three passes, through "32", a label no tile wears, so no tile is relabelled twice.
    const auto relabel = [&w](std::string_view from, std::string_view to) {
        for (int n = 1; n <= cells; ++n) {
            if (w.label(n) == from) w.setLabel(n, to);
        }
    };
    relabel("31", "32");
    relabel("30", "31");
    relabel("32", "30");
}

namespace {
// A cell from 1 to 31 for a draw in [0, 1).
int drawCell(RandomSource& random) {
    const int casella = static_cast<int>(random.next() * tiles + 1);
    return std::clamp(casella, 1, tiles);
}
}  // namespace

void start(GameState& s, GameWindow& w, RandomSource& random) {
    random.reseed();
    if (s.atempo == 1) {
        w.enableTimer(true);
        s.secondi = 0;
        s.minuti = 0;
    }
    s.partita = 1;
    s.secondi = 0;
    s.minuti = 0;
    w.setMoves("0");
    w.setStartTooltip("Ricomincia");
    for (int n = 1; n <= cells; ++n) w.setLabel(n, "");
    w.setFaceColour(cells, colvuoto);

    // Each tile goes to a cell drawn afresh until a free one comes up:
    // uniform over the free cells 1 to 31. Cell 32 stays empty.
    for (int i = 1; i <= tiles; ++i) {
        bool occupata = true;
        while (occupata) {
            const int casella = drawCell(random);
            occupata = !w.label(casella).empty();
            if (!occupata) w.setLabel(casella, tileLabel(i));
        }
    }
    exchange(w);
    colori(w);
    w.enableOptions(false);
}

void help(GameState& s, GameWindow& w) {
    if (s.partita == 1) exchange(w);
    colori(w);
    countMove(w);
    thresholds(w, giusti(w));
}

void solution(GameState& s, GameWindow& w) {
    w.enableTimer(false);
    for (int i = 1; i <= tiles; ++i) w.setLabel(i, tileLabel(i));
    colori(w);
    w.setLabel(cells, "");
    w.setFaceColour(cells, colvuoto);
    s.partita = 0;
    s.secondi = 0;
    s.minuti = 0;
    s.atempo = 0;
    w.setMoves("0");
    w.setStartTooltip("Comincia");
    w.setClockText("00:00");
    w.selectTimed(false);
    w.enableOptions(true);
}

void gameWindowLoaded(GameState& s) {
    s.partita = 0;
    s.atempo = 0;
}

std::string winMessage(std::string_view mosse, bool timed, std::string_view clock) {
    std::string text = "Hai vinto in ";
    text += mosse;
    if (timed) {
        text += " mosse e con un tempo di ";
        text += clock;
        text += "!";
    } else {
        text += " mosse!";
    }
    return text;
}

}  // namespace lastrino
