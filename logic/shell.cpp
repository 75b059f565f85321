#include "shell.h"

#include "actions.h"
#include "board.h"
#include "clock.h"

namespace lastrino {

namespace {
using layout::find;
using layout::frmgioco;
using layout::frmscelta;
using layout::Kind;

// The test seam's timer: a period no test outlives, so the test's own ticks
// are the only ones.
constexpr unsigned manualPeriod = 0x7FFFFFFF;

const Control& control(const Form& form, std::string_view name) { return *find(form, name); }
const Control& cellControl(int cell) { return frmgioco.controls[frmgioco.controls.size() - cells + cell - 1]; }
}  // namespace

std::size_t indexOf(const Form& form, const Control& control) {
    return static_cast<std::size_t>(&control - form.controls.data());
}

const Form& formOf(const Control& control) {
    const auto& own = frmgioco.controls;
    return &control >= own.data() && &control < own.data() + own.size() ? frmgioco : frmscelta;
}

// frmgioco as the rules see it: every read comes from what the shell keeps,
// every write goes through the shell to the screen.
class Shell::Gioco final : public GameWindow {
public:
    explicit Gioco(Shell& shell) : shell_(shell) {}

    std::string label(int cell) const override { return shell_.state(cellControl(cell)).text; }
    void setLabel(int cell, std::string_view text) override { shell_.set(cellControl(cell), text); }
    Colour faceColour(int cell) const override { return shell_.state(cellControl(cell)).colour; }
    void setFaceColour(int cell, Colour colour) override { shell_.setColour(cellControl(cell), colour); }
    std::string moves() const override { return shell_.state(lblcont).text; }
    void setMoves(std::string_view text) override { shell_.set(lblcont, text); }
    std::string clockText() const override { return shell_.state(lbltime).text; }
    void setClockText(std::string_view text) override { shell_.set(lbltime, text); }
    void setStartTooltip(std::string_view text) override { shell_.setTooltip(cmdcomincia, text); }
    bool timedSelected() const override { return shell_.state(optsi).selected; }
    void selectTimed(bool timed) override { shell_.select(timed ? optsi : optno); }
    void enableOptions(bool enabled) override {
        shell_.setEnabled(optsi, enabled);
        shell_.setEnabled(optno, enabled);
    }
    void enableTimer(bool enabled) override { shell_.enableTimer(enabled); }
    void showHelp() override { shell_.setVisible(cmdaiuto, true); }
    void focusSolution() override { shell_.setFocus(cmdsoluzione); }
    void showEndWindow() override { shell_.showEndWindow(); }

private:
    Shell& shell_;
    const Control& lblcont = control(frmgioco, "lblcont");
    const Control& lbltime = control(frmgioco, "lbltime");
    const Control& cmdcomincia = control(frmgioco, "cmdcomincia");
    const Control& cmdaiuto = control(frmgioco, "cmdaiuto");
    const Control& cmdsoluzione = control(frmgioco, "cmdsoluzione");
    const Control& optsi = control(frmgioco, "optsi");
    const Control& optno = control(frmgioco, "optno");
};

Shell::Shell(Screen& screen, Seam seam)
    : screen_(screen),
      seam_(seam),
      ownRandom_(seam.deal ? nullptr : std::make_unique<ClockRandom>()),
      random_(seam.deal ? seam.deal : ownRandom_.get()),
      gioco_(std::make_unique<Gioco>(*this)) {}

Shell::~Shell() = default;

GameWindow& Shell::gameWindow() { return *gioco_; }

void Shell::run() { load(frmgioco); }

Shell::Loaded* Shell::window(const Form& form) { return loaded_[&form == &frmgioco ? 0 : 1].get(); }

bool Shell::loaded(const Form& form) const { return loaded_[&form == &frmgioco ? 0 : 1] != nullptr; }

const ControlState& Shell::state(const Control& control) const {
    static const ControlState none;
    const Form& form = formOf(control);
    const auto& w = loaded_[&form == &frmgioco ? 0 : 1];
    return w ? w->controls[indexOf(form, control)] : none;
}

const Control* Shell::focus(const Form& form) const {
    const auto& w = loaded_[&form == &frmgioco ? 0 : 1];
    return w ? w->focus : nullptr;
}

ControlState& Shell::at(const Control& control) {
    const Form& form = formOf(control);
    return window(form)->controls[indexOf(form, control)];
}

void Shell::set(const Control& control, std::string_view text) {
    at(control).text = text;
    screen_.setText(control, text);
}

void Shell::setColour(const Control& control, Colour face) {
    at(control).colour = face;
    screen_.setColour(control, face);
}

void Shell::setVisible(const Control& control, bool visible) {
    at(control).visible = visible;
    screen_.setVisible(control, visible);
}

void Shell::setEnabled(const Control& control, bool enabled) {
    at(control).enabled = enabled;
    screen_.setEnabled(control, enabled);
}

void Shell::select(const Control& option) {
    // The options of one frame are one group: selecting one clears the rest.
    const Form& form = formOf(option);
    for (const Control& c : form.controls) {
        if (c.kind == Kind::Option && c.parent == option.parent) at(c).selected = &c == &option;
    }
    screen_.setSelected(option);
}

void Shell::setTooltip(const Control& control, std::string_view text) {
    at(control).tooltip = text;
    screen_.setTooltip(control, text);
}

void Shell::setFocus(const Control& control) {
    window(formOf(control))->focus = &control;
    screen_.setFocus(control);
}

void Shell::enableTimer(bool enabled) {
    // Enabling a running timer leaves its period where it is.
    if (enabled == timerOn_) return;
    timerOn_ = enabled;
    if (enabled) screen_.startTimer(seam_.manualTicks ? manualPeriod : tickMilliseconds);
    else screen_.stopTimer();
}

void Shell::load(const Form& form) {
    auto w = std::make_unique<Loaded>();
    for (const Control& c : form.controls) {
        w->controls.push_back({.text = std::string(c.caption),
                               .colour = c.back,
                               .visible = c.visible,
                               .selected = c.selected,
                               .tooltip = std::string(c.tooltip)});
    }
    w->focus = find(form, form.focus);
    loaded_[&form == &frmgioco ? 0 : 1] = std::move(w);
    screen_.load(form);
    if (&form == &frmgioco) {
        gameWindowLoaded(state_);
    } else {
        // Composed afresh by every new window, from the game window as it stands.
        set(control(frmscelta, "lblmess"), winMessage(gioco_->moves(), gioco_->timedSelected(), gioco_->clockText()));
    }
    screen_.setFocus(*focus(form));
}

void Shell::unload(const Form& form) {
    if (!loaded(form)) return;
    if (&form == &frmgioco) enableTimer(false);  // the timer goes with its window
    loaded_[&form == &frmgioco ? 0 : 1].reset();
    screen_.unload(form);
}

void Shell::endWhenNoWindow() {
    if (!loaded(frmgioco) && !loaded(frmscelta)) end();
}

void Shell::end() {
    unload(frmgioco);
    unload(frmscelta);
    if (ended_) return;
    ended_ = true;
    screen_.end();
}

void Shell::showEndWindow() {
    // Any end-of-game window still open goes; a new one takes its place.
    unload(frmscelta);
    load(frmscelta);
}

void Shell::press(const Control& c) {
    const Form& form = formOf(c);
    Loaded* w = window(form);
    if (!w) return;
    w->focus = &c;
    if (c.kind == Kind::Option) select(c);

    const std::string_view name = c.name;
    if (&form == &frmscelta) {
        if (name == "cmdsi") {
            unload(frmgioco);
            load(frmgioco);
            unload(frmscelta);
        } else if (name == "cmdno") {
            end();
        }
    } else if (c.cell != 0) {
        tileClick(state_, *gioco_, c.cell);
    } else if (name == "cmdcomincia") {
        start(state_, *gioco_, *random_);
    } else if (name == "cmdaiuto") {
        help(state_, *gioco_);
    } else if (name == "cmdsoluzione") {
        solution(state_, *gioco_);
    } else if (name == "cmdesci") {
        end();
    } else if (name == "optsi" || name == "optno") {
        chooseTimed(state_, name == "optsi");
    }
}

void Shell::close(const Form& form) {
    unload(form);
    endWhenNoWindow();
}

bool Shell::key(const Form& form, const Control* focused, Key key) {
    if (&form != &frmgioco || !loaded(frmgioco)) return false;
    if (focused && focused->kind == Kind::Option) return false;  // the group's own arrows
    // The empty cell is the one in the empty cell's colour, as a click finds it;
    // the arrow moves the tile on its far side into it, within the grid.
    int empty = 0;
    for (int n = 1; n <= cells && empty == 0; ++n) {
        if (state(cellControl(n)).colour == colvuoto) empty = n;
    }
    if (empty == 0) return true;
    int tile = 0;
    if (key == Key::Up && rowOf(empty) < rows - 1) tile = empty + columns;
    if (key == Key::Down && rowOf(empty) > 0) tile = empty - columns;
    if (key == Key::Left && columnOf(empty) < columns - 1) tile = empty + 1;
    if (key == Key::Right && columnOf(empty) > 0) tile = empty - 1;
    if (tile != 0) press(cellControl(tile));
    return true;
}

void Shell::tick(std::uint64_t periods) {
    if (timerOn_ && loaded(frmgioco)) ticks(state_, *gioco_, periods);
}

}  // namespace lastrino
