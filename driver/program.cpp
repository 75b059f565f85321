#include "program.h"

#include "logic/actions.h"
#include "logic/board.h"
#include "logic/clock.h"
#include "logic/layout.h"

namespace lastrino::driver {

GameWindowInMemory::GameWindowInMemory(std::function<void()> showEnd, std::function<void()> helpShown)
    : showEnd_(std::move(showEnd)), helpShown_(std::move(helpShown)) {
    load();
}

void GameWindowInMemory::load() {
    using namespace layout;
    for (int n = 1; n <= cells; ++n) {
        labels_[n] = n == cells ? "" : tileLabel(n);
        colours_[n] = cellColourAtLoad(n);
    }
    lblcont_ = find(frmgioco, "lblcont")->caption;
    lbltime_ = find(frmgioco, "lbltime")->caption;
    tooltip_ = find(frmgioco, "cmdcomincia")->tooltip;
    optsi_ = find(frmgioco, "optsi")->selected;
    optionsEnabled_ = true;
    timer_ = false;
    helpVisible_ = find(frmgioco, "cmdaiuto")->visible;
    focus_ = "cmdcomincia";
}

void GameWindowInMemory::showHelp() {
    helpVisible_ = true;
    helpShown_();
}

Program::Program(Events events)
    : events_(std::move(events)),
      gioco_([this] { showEndWindow(); },
             [this] {
                 if (events_.helpShown) events_.helpShown();
             }) {
    showGameWindow();
}

void Program::showGameWindow() {
    gioco_.load();
    gameWindowLoaded(state_);
}

void Program::showEndWindow() {
    // A new window every time: its load composes the message afresh.
    frmscelta_ = winMessage(gioco_.moves(), gioco_.timedSelected(), gioco_.clockText());
    if (events_.endWindowShown) events_.endWindowShown(*frmscelta_);
}

void Program::cmd_Click(int index) { tileClick(state_, gioco_, index); }
void Program::cmdcomincia_Click() { start(state_, gioco_, random_); }
void Program::cmdaiuto_Click() { help(state_, gioco_); }
void Program::cmdsoluzione_Click() { solution(state_, gioco_); }
void Program::optsi_Click() { chooseTimed(state_, true); }
void Program::optno_Click() { chooseTimed(state_, false); }

void Program::tempo_Timer(std::uint64_t periods) {
    // Only a tick enables the timer and none disables it, so it stays as it
    // was through all the periods.
    if (gioco_.timerEnabled()) ticks(state_, gioco_, periods);
}

void Program::cmdsi_Click() {
    showGameWindow();  // unloaded and loaded afresh: the start state
    frmscelta_.reset();
}

void Program::closeEndWindow() { frmscelta_.reset(); }

}  // namespace lastrino::driver
