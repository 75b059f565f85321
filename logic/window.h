// The window operations that the game rules need of frmgioco, and the
// window-level variables that live with it.
//
// The board lives in the window's 32 cell buttons: a cell's caption is its
// tile label and its face colour is the tile's colour. The rules read and
// write them only through this interface; the shell (shell.h) is the one
// window they ever see.
#pragma once

#include "grid.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lastrino {

// Window-level variables of frmgioco. They outlive an unload of the window.
struct GameState {
    int partita = 0;           // 1 while a game is in progress
    int secondi = 0;           // 0..59 between ticks
    std::uint64_t minuti = 0;  // never wrapped: it stops at the largest count
    int atempo = 0;            // 1 = timed game chosen
};

class GameWindow {
public:
    virtual ~GameWindow() = default;

    // Cells 1 to 32 of the control array cmd.
    virtual std::string label(int cell) const = 0;
    virtual void setLabel(int cell, std::string_view text) = 0;
    virtual Colour faceColour(int cell) const = 0;
    virtual void setFaceColour(int cell, Colour colour) = 0;

    // Captions of lblcont (the move counter) and lbltime (the clock).
    virtual std::string moves() const = 0;
    virtual void setMoves(std::string_view text) = 0;
    virtual std::string clockText() const = 0;
    virtual void setClockText(std::string_view text) = 0;

    virtual void setStartTooltip(std::string_view text) = 0;

    // optsi / optno: exactly one is selected.
    virtual bool timedSelected() const = 0;
    virtual void selectTimed(bool timed) = 0;  // true selects optsi, false optno
    virtual void enableOptions(bool enabled) = 0;

    virtual void enableTimer(bool enabled) = 0;  // enabling a running timer keeps it running
    virtual void showHelp() = 0;                 // make cmdaiuto visible
    virtual void focusSolution() = 0;            // no handler runs
    // Unload any end-of-game window, then show a new one (non-modal, no owner).
    virtual void showEndWindow() = 0;
};

}  // namespace lastrino
