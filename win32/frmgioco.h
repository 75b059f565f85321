// frmgioco, the game window: the board of 32 cell buttons, Start, Help,
// Solution and Exit, the move counter, the clock with its timed choice and
// the timer tempo. It provides the window operations the rules use.
#pragma once

#include "form.h"

#include "logic/clock.h"
#include "logic/window.h"

namespace lastrino::win32 {

class App;

class GameFrame final : public Form, public GameWindow {
public:
    explicit GameFrame(App& app);
    ~GameFrame() override;

    std::string label(int cell) const override;
    void setLabel(int cell, std::string_view text) override;
    Colour faceColour(int cell) const override;
    void setFaceColour(int cell, Colour colour) override;
    std::string moves() const override;
    void setMoves(std::string_view text) override;
    std::string clockText() const override;
    void setClockText(std::string_view text) override;
    void setStartTooltip(std::string_view text) override;
    bool timedSelected() const override;
    void selectTimed(bool timed) override;
    void enableOptions(bool enabled) override;
    void enableTimer(bool enabled) override;
    void showHelp() override;
    void focusSolution() override;
    void showEndWindow() override;

    // The handlers of the window's events.
    void Form_Load() override;
    void cmd_Click(int Index);
    void cmdcomincia_Click();
    void cmdaiuto_Click();
    void cmdsoluzione_Click();
    void cmdesci_Click();
    void optsi_Click();
    void optno_Click();
    void tempo_Timer();

private:
    void clicked(const Item& item) override;
    // A tick already queued when the timer was stopped is dropped.
    void timerTick() override {
        if (timerEnabled_) tempo_Timer();
    }
    std::string_view focusAtShow() const override { return "cmdcomincia"; }
    AccessibleText accessibleText(const Item& item) const override;
    HWND cell(int n) const;

    App& app_;
    bool timerEnabled_ = false;
};

}  // namespace lastrino::win32
