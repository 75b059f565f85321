#include "program.h"

#include "logic/actions.h"
#include "logic/board.h"
#include "logic/clock.h"
#include "logic/layout.h"

#include <charconv>

namespace lastrino::web {

namespace {
// The 32 cells as controls of the window's table: the solved board at load.
struct Cells {
    std::array<std::string, cells + 1> names, captions;
    std::array<layout::Control, cells> controls;

    Cells() {
        for (int n = 1; n <= cells; ++n) {
            names[n] = "cmd" + std::to_string(n);
            captions[n] = n == cells ? "" : tileLabel(n);
            controls[n - 1] = {.name = names[n],
                               .kind = layout::Kind::Cell,
                               .twips = layout::cellRect(n),
                               .caption = captions[n],
                               .back = layout::cellColourAtLoad(n),
                               .text = layout::colbuttontext,
                               .font = layout::cellFont,
                               .tabIndex = layout::cellTabIndex(n),
                               .align = layout::Align::Centre};
        }
    }
};
const Cells& board() {
    static const Cells c;
    return c;
}

void setAttribute(val e, const char* name, const std::string& value) {
    e.call<void>("setAttribute", std::string(name), value);
}

// A screen reader names a cell by its tile; the empty cell has no caption to read.
void nameCell(val cell, std::string_view label) { setAttribute(cell, "aria-label", layout::cellName(label)); }

// The cell of a control name "cmd1" to "cmd32", or 0.
int cellOf(std::string_view control) {
    if (!control.starts_with("cmd")) return 0;
    int n = 0;
    const char* end = control.data() + control.size();
    auto [ptr, err] = std::from_chars(control.data() + 3, end, n);
    return err == std::errc{} && ptr == end && n >= 1 && n <= cells ? n : 0;
}
}  // namespace

Gioco::Gioco(Program& program) : program_(program), w_(buildWindow(layout::frmgioco, board().controls)) {
    for (int n = 1; n <= cells; ++n) {
        labels_[n] = board().captions[n];
        colours_[n] = layout::cellColourAtLoad(n);
        val cell = w_[board().names[n]];
        nameCell(cell, labels_[n]);
        setAttribute(cell, "aria-description", layout::cellPlace(n));
    }
    lblcont_ = layout::find(layout::frmgioco, "lblcont")->caption;
    lbltime_ = layout::find(layout::frmgioco, "lbltime")->caption;
    centreAndRaise(w_);
}

Gioco::~Gioco() {
    enableTimer(false);
    unload(w_);
}

void Gioco::setLabel(int cell, std::string_view text) {
    labels_.at(cell) = text;
    val button = w_[board().names[cell]];
    setText(button, text);
    nameCell(button, text);
}

void Gioco::setFaceColour(int cell, Colour colour) {
    colours_.at(cell) = colour;
    setFace(w_[board().names[cell]], colour);
}

void Gioco::setMoves(std::string_view text) {
    lblcont_ = text;
    setText(w_["lblcont"], text);
}

void Gioco::setClockText(std::string_view text) {
    lbltime_ = text;
    setText(w_["lbltime"], text);
}

void Gioco::setStartTooltip(std::string_view text) {
    val start = w_["cmdcomincia"];
    start.set("title", std::string(text));
    setAttribute(start, "aria-label", std::string(text));
}

bool Gioco::timedSelected() const { return w_["optsi"]["checked"].as<bool>(); }

void Gioco::selectTimed(bool timed) { w_[timed ? "optsi" : "optno"].set("checked", true); }

void Gioco::enableOptions(bool enabled) {
    w_["optsi"].set("disabled", !enabled);
    w_["optno"].set("disabled", !enabled);
}

void Gioco::enableTimer(bool enabled) {
    // The page's timer ticks by its period, and 0 stops it (page.js);
    // enabling a running timer leaves it be.
    if (enabled != timer_) val::module_property("timer")(enabled ? tickMilliseconds : 0);
    timer_ = enabled;
}

void Gioco::showHelp() { w_["cmdaiuto"]["style"].set("visibility", std::string("visible")); }
void Gioco::focusSolution() { w_["cmdsoluzione"].call<void>("focus"); }
void Gioco::focusStart() { w_["cmdcomincia"].call<void>("focus"); }

void Gioco::showEndWindow() {
    program_.unloadScelta();
    program_.showScelta();
}

void Program::showGioco() {
    if (!gioco_) {
        gioco_ = std::make_unique<Gioco>(*this);
        gameWindowLoaded(state_);
    }
    gioco_->focusStart();
}

void Program::showScelta() {
    scelta_ = buildWindow(layout::frmscelta);
    // A screen reader reads the message as the window opens.
    setAttribute(scelta_.frame, "aria-describedby", "frmscelta-lblmess");
    centreAndRaise(scelta_);
    const std::string mosse = gioco_->moves();
    setText(scelta_["lblmess"], winMessage(mosse, gioco_->timedSelected(), gioco_->clockText()));
    scelta_["cmdsi"].call<void>("focus");
}

void Program::end() {
    gioco_.reset();
    unload(scelta_);
    val goodbye = val::global("document").call<val>("getElementById", std::string("addio"));
    goodbye.set("hidden", false);
    goodbye.call<val>("querySelector", std::string("a")).call<void>("focus");
}

void Program::anyLeft() {
    if (!gioco_ && scelta_.frame.isNull()) end();
}

void Program::click(std::string_view window, std::string_view control) {
    if (window == "frmgioco" && gioco_) {
        if (const int n = cellOf(control)) tileClick(state_, *gioco_, n);
        else if (control == "cmdcomincia") start(state_, *gioco_, random_);
        else if (control == "cmdaiuto") help(state_, *gioco_);
        else if (control == "cmdsoluzione") solution(state_, *gioco_);
        else if (control == "cmdesci") end();
        else if (control == "optsi") chooseTimed(state_, true);
        else if (control == "optno") chooseTimed(state_, false);
        else if (control == "chiudi") {
            unloadGioco();
            anyLeft();
        }
    } else if (window == "frmscelta" && !scelta_.frame.isNull()) {
        if (control == "cmdsi") {
            unloadGioco();
            showGioco();
            unloadScelta();
        } else if (control == "cmdno") {
            end();
        } else if (control == "chiudi") {
            unloadScelta();
            anyLeft();
        }
    }
}

void Program::tempo_Timer() {
    if (gioco_ && gioco_->timerEnabled()) tick(state_, *gioco_);
}

}  // namespace lastrino::web
