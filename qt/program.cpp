#include "program.h"

#include "controls.h"
#include "frmgioco.h"
#include "frmscelta.h"

#include <QCoreApplication>

namespace lastrino::ui {

namespace {
// Off the screen at once, deleted once the handler that unloads it returns:
// the window may be the one whose handler is running.
template <class Window>
void unload(QPointer<Window>& window) {
    if (!window) return;
    Window* old = window;
    window.clear();
    old->unload();
}
}  // namespace

Program::Program(std::unique_ptr<RandomSource> random, Quit quit)
    : random_(random ? std::move(random) : std::make_unique<ClockRandom>()), quit_(std::move(quit)) {
    if (!quit_) quit_ = [] { QCoreApplication::exit(0); };
}

Program::~Program() {
    delete gioco_.data();
    delete scelta_.data();
}

frmgioco* Program::gioco() const { return gioco_; }
frmscelta* Program::scelta() const { return scelta_; }

void Program::showGioco() {
    if (!gioco_) {
        gioco_ = new frmgioco(*this);
        gioco_->Form_Load();
    }
    showInFront(*gioco_);
}

void Program::unloadGioco() {
    unload(gioco_);
    endWhenNoWindow();
}

void Program::showScelta() {
    if (!scelta_) {
        scelta_ = new frmscelta(*this);
        scelta_->Form_Load();
    }
    showInFront(*scelta_);
}

void Program::unloadScelta() {
    unload(scelta_);
    endWhenNoWindow();
}

void Program::end() {
    unload(gioco_);
    unload(scelta_);
    quit_();
}

void Program::endWhenNoWindow() {
    if (!gioco_ && !scelta_) quit_();
}

}  // namespace lastrino::ui
