// The running program: the two windows, the game window's variables that
// outlive it, and the random source of the deal.
#pragma once

#include "frmgioco.h"
#include "frmscelta.h"

#include "logic/random.h"
#include "logic/window.h"

#include <memory>
#include <string>

namespace lastrino::win32 {

class App {
public:
    // tempoPeriod: the milliseconds between ticks of the game window's timer.
    App(RandomSource& random, unsigned tempoPeriod) : random(random), tempoPeriod(tempoPeriod) {}

    // Unloads frmgioco if it is loaded, then loads it afresh and shows it.
    void showGame();
    // Unloads any frmscelta, then loads a new one and shows it.
    void showEnd();
    // The program goes on while one of its windows is loaded.
    bool anyLoaded() const;
    // Keyboard navigation of the windows: Tab, access keys, Enter and Space.
    bool dialogMessage(MSG& msg) const;

    GameFrame* gioco() const { return gioco_.get(); }
    EndFrame* scelta() const { return scelta_.get(); }

    GameState state;    // frmgioco's window-level variables
    std::string mosse;  // frmscelta's
    RandomSource& random;
    const unsigned tempoPeriod;

private:
    std::unique_ptr<GameFrame> gioco_;
    std::unique_ptr<EndFrame> scelta_;
};

}  // namespace lastrino::win32
