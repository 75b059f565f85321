// The game's shell: the one program between the rules and every screen.
//
// It owns the game window's variables, the random source of the deal, which
// windows are loaded and what each control of theirs shows. A front end
// builds, draws and tears down what the shell tells it through `Screen`,
// and passes the player's doings back as events: a control pressed, a close
// box, an arrow key, a tick of the timer. Nothing else of the game is
// written twice.
#pragma once

#include "layout.h"
#include "random.h"
#include "window.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lastrino {

using layout::Control;
using Form = layout::Window;

// What a front end does for the shell: one implementation a toolkit.
// Controls are the design's own (layout.h), so a front end finds its widget
// for one by its place in the window's table (`indexOf`).
class Screen {
public:
    virtual ~Screen() = default;

    // Builds a window from its design, every control in its design state,
    // centred on the screen and shown in front; or takes it down again. An
    // unload may come from within a handler of the window itself.
    virtual void load(const Form& form) = 0;
    virtual void unload(const Form& form) = 0;

    virtual void setText(const Control& control, std::string_view text) = 0;  // caption
    virtual void setColour(const Control& control, Colour face) = 0;
    virtual void setVisible(const Control& control, bool visible) = 0;
    virtual void setEnabled(const Control& control, bool enabled) = 0;
    virtual void setSelected(const Control& option) = 0;  // and its group's other option cleared
    virtual void setTooltip(const Control& control, std::string_view text) = 0;
    virtual void setFocus(const Control& control) = 0;

    // The game window's timer: one tick() every `milliseconds` until stopped.
    virtual void startTimer(unsigned milliseconds) = 0;
    virtual void stopTimer() = 0;

    // No window is left: the program ends.
    virtual void end() = 0;
};

// The tests' way in: the deal and the timer, chosen when the shell is made.
struct Seam {
    RandomSource* deal = nullptr;  // nullptr: the generator seeded by the clock
    bool manualTicks = false;      // the timer never fires by itself: ticks come from the test
};
// This build's seam: the real one, or the tests' (in-order deal, manual
// ticks) in a program linked with lastrino_test_seam.
Seam buildSeam();

enum class Key { Up, Down, Left, Right };

// What a control shows now.
struct ControlState {
    std::string text;
    Colour colour = 0;
    bool visible = true;
    bool enabled = true;
    bool selected = false;
    std::string tooltip;
};

// A control's place in its window's table.
std::size_t indexOf(const Form& form, const Control& control);
// The window whose table holds `control`.
const Form& formOf(const Control& control);

class Shell {
public:
    explicit Shell(Screen& screen, Seam seam = buildSeam());
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    // The program's start: the game window loaded and shown.
    void run();

    // The player pressed a button, a cell or an option button (selecting it).
    // It takes the focus, as a click gives it, and its handler runs.
    void press(const Control& control);
    // A window's close box.
    void close(const Form& form);
    // An arrow key in `form` with the focus on `focused`: true when the game
    // took it, false when it is the toolkit's (the option group's own arrows).
    bool key(const Form& form, const Control* focused, Key key);
    // `periods` periods of the timer elapse; each ticks if the timer is on.
    void tick(std::uint64_t periods = 1);

    // What the screens show, for the text driver and the tests.
    bool loaded(const Form& form) const;
    const ControlState& state(const Control& control) const;
    const Control* focus(const Form& form) const;  // the focus within a window
    bool timerOn() const { return timerOn_; }
    const GameState& variables() const { return state_; }
    bool ended() const { return ended_; }
    // The rules' view of frmgioco, for the tests and benchmarks of the rules.
    GameWindow& gameWindow();

private:
    class Gioco;
    struct Loaded {
        std::vector<ControlState> controls;
        const Control* focus = nullptr;
    };

    Loaded* window(const Form& form);
    ControlState& at(const Control& control);
    void set(const Control& control, std::string_view text);
    void setColour(const Control& control, Colour face);
    void setVisible(const Control& control, bool visible);
    void setEnabled(const Control& control, bool enabled);
    void select(const Control& option);
    void setTooltip(const Control& control, std::string_view text);
    void setFocus(const Control& control);
    void enableTimer(bool enabled);

    void load(const Form& form);
    void unload(const Form& form);
    void endWhenNoWindow();
    void end();
    void showEndWindow();

    Screen& screen_;
    Seam seam_;
    std::unique_ptr<RandomSource> ownRandom_;
    RandomSource* random_;
    GameState state_;
    bool timerOn_ = false;
    bool ended_ = false;
    std::array<std::unique_ptr<Loaded>, 2> loaded_;  // frmgioco, frmscelta
    std::unique_ptr<Gioco> gioco_;                   // the rules' view of frmgioco
};

}  // namespace lastrino
