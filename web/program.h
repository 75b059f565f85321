// The two windows on the page and the game window's variables: the whole
// running program. Events come in by window and control name (page.js).
#pragma once

#include "page.h"

#include "logic/random.h"
#include "logic/window.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace lastrino::web {

class Program;

// frmgioco on the page. The board is kept here and mirrored into the cells.
class Gioco final : public GameWindow {
public:
    explicit Gioco(Program& program);  // loaded: every control in its design state
    ~Gioco() override;                 // unloaded: off the page, its timer stopped

    std::string label(int cell) const override { return labels_.at(cell); }
    void setLabel(int cell, std::string_view text) override;
    Colour faceColour(int cell) const override { return colours_.at(cell); }
    void setFaceColour(int cell, Colour colour) override;
    std::string moves() const override { return lblcont_; }
    void setMoves(std::string_view text) override;
    std::string clockText() const override { return lbltime_; }
    void setClockText(std::string_view text) override;
    void setStartTooltip(std::string_view text) override;
    bool timedSelected() const override;
    void selectTimed(bool timed) override;
    void enableOptions(bool enabled) override;
    void enableTimer(bool enabled) override;
    void showHelp() override;
    void focusSolution() override;
    void showEndWindow() override;

    bool timerEnabled() const { return timer_; }
    void focusStart();

private:
    Program& program_;
    Window w_;
    std::array<std::string, 33> labels_;  // index 0 unused: cells count from 1
    std::array<Colour, 33> colours_{};
    std::string lblcont_, lbltime_;
    bool timer_ = false;
};

class Program {
public:
    explicit Program(RandomSource& random) : random_(random) {}

    void showGioco();
    void unloadGioco() { gioco_.reset(); }
    void showScelta();
    void unloadScelta() { unload(scelta_); }
    // The program's end: both windows go and the page says goodbye.
    void end();

    // A click on a control (or its selection, for an option button).
    void click(std::string_view window, std::string_view control);
    void tempo_Timer();

private:
    void anyLeft();

    RandomSource& random_;
    GameState state_;
    std::unique_ptr<Gioco> gioco_;
    Window scelta_;
};

}  // namespace lastrino::web
