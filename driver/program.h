// The game's two windows held in memory: the text driver's front end.
//
// It keeps what the real windows keep (captions, face colours, the option
// buttons, the timer, the Help button, the focus, the end-of-game window)
// and runs the same rules on them. Effects that a player would see happen
// (Help appearing, an end-of-game window opening) are reported as events.
#pragma once

#include "logic/random.h"
#include "logic/window.h"

#include <array>
#include <functional>
#include <optional>
#include <string>

namespace lastrino::driver {

struct Events {
    std::function<void()> helpShown;
    std::function<void(const std::string& message)> endWindowShown;
};

// frmgioco's controls.
class GameWindowInMemory final : public GameWindow {
public:
    explicit GameWindowInMemory(std::function<void()> showEnd, std::function<void()> helpShown);

    void load();  // every control back to its design state

    std::string label(int cell) const override { return labels_.at(cell); }
    void setLabel(int cell, std::string_view text) override { labels_.at(cell) = text; }
    Colour faceColour(int cell) const override { return colours_.at(cell); }
    void setFaceColour(int cell, Colour colour) override { colours_.at(cell) = colour; }
    std::string moves() const override { return lblcont_; }
    void setMoves(std::string_view text) override { lblcont_ = text; }
    std::string clockText() const override { return lbltime_; }
    void setClockText(std::string_view text) override { lbltime_ = text; }
    void setStartTooltip(std::string_view text) override { tooltip_ = text; }
    bool timedSelected() const override { return optsi_; }
    void selectTimed(bool timed) override { optsi_ = timed; }
    void enableOptions(bool enabled) override { optionsEnabled_ = enabled; }
    void enableTimer(bool enabled) override { timer_ = enabled; }
    void showHelp() override;
    void focusSolution() override { focus_ = "cmdsoluzione"; }
    void showEndWindow() override { showEnd_(); }

    const std::string& startTooltip() const { return tooltip_; }
    bool optionsEnabled() const { return optionsEnabled_; }
    bool timerEnabled() const { return timer_; }
    bool helpVisible() const { return helpVisible_; }
    const std::string& focus() const { return focus_; }
    void setFocus(std::string control) { focus_ = std::move(control); }

private:
    std::function<void()> showEnd_;
    std::function<void()> helpShown_;
    std::array<std::string, 33> labels_;  // index 0 unused: cells count from 1
    std::array<Colour, 33> colours_{};
    std::string lblcont_, lbltime_, tooltip_, focus_;
    bool optsi_ = false, optionsEnabled_ = true, timer_ = false, helpVisible_ = false;
};

// Both windows and the game window's variables: the whole running program.
// Each member named after a control's event runs what that event runs.
class Program {
public:
    explicit Program(Events events);

    GameWindowInMemory& frmgioco() { return gioco_; }
    const GameWindowInMemory& frmgioco() const { return gioco_; }
    const GameState& state() const { return state_; }
    ScriptedRandom& random() { return random_; }
    const std::optional<std::string>& endWindow() const { return frmscelta_; }

    void cmd_Click(int index);
    void cmdcomincia_Click();
    void cmdaiuto_Click();
    void cmdsoluzione_Click();
    void optsi_Click();
    void optno_Click();
    void tempo_Timer(std::uint64_t periods);  // periods that elapse; ticks only while enabled
    void cmdsi_Click();                       // new game from the end-of-game window
    void closeEndWindow();                    // title bar of the end-of-game window

private:
    void showGameWindow();
    void showEndWindow();

    Events events_;
    GameState state_;
    ScriptedRandom random_;
    GameWindowInMemory gioco_;
    std::optional<std::string> frmscelta_;  // the open end-of-game window's message
};

}  // namespace lastrino::driver
