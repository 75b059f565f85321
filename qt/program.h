// The running program: the game window's window-level variables, the random
// source behind the deal, and the loading and unloading of both windows.
//
// Unloading a window deletes it with its controls (and stops its timer); the
// variables here outlive it. Showing a window that is not loaded builds it
// afresh in its design state and runs its Form_Load before returning.
#pragma once

#include "logic/random.h"
#include "logic/window.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <string>

namespace lastrino::ui {

class frmgioco;
class frmscelta;

class Program final : public QObject {
    Q_OBJECT
public:
    using Quit = std::function<void()>;

    // `quit` ends the program; by default it leaves the Qt event loop.
    explicit Program(std::unique_ptr<RandomSource> random = nullptr, Quit quit = {});
    ~Program() override;

    GameState& state() { return state_; }
    RandomSource& random() { return *random_; }
    std::string& mosse() { return mosse_; }  // frmscelta's window-level text

    frmgioco* gioco() const;  // nullptr while not loaded
    frmscelta* scelta() const;

    void showGioco();
    void unloadGioco();
    void showScelta();
    void unloadScelta();

    // Ends the program at once: both windows go, no handler runs after.
    void end();

private:
    void endWhenNoWindow();

    GameState state_;
    std::string mosse_;
    std::unique_ptr<RandomSource> random_;
    Quit quit_;
    QPointer<frmgioco> gioco_;
    QPointer<frmscelta> scelta_;
};

}  // namespace lastrino::ui
