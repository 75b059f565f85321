#include "frmgioco.h"

#include "app.h"
#include "controls.h"

#include "logic/actions.h"
#include "logic/board.h"
#include "logic/clock.h"

namespace lastrino::win32 {

namespace {
constexpr UINT_PTR tempoId = 1;
}

GameFrame::GameFrame(App& app) : Form(layout::frmgioco), app_(app) {
    // The board's cells at load: the solved board.
    for (int n = 1; n <= cells; ++n) {
        const layout::Control design{.name = "cmd",
                                     .kind = layout::Kind::Cell,
                                     .twips = layout::cellRect(n),
                                     .back = layout::cellColourAtLoad(n),
                                     .text = layout::colbuttontext,
                                     .font = layout::cellFont,
                                     .tabIndex = layout::cellTabIndex(n),
                                     .align = layout::Align::Centre};
        items().push_back({design, n == cells ? "" : tileLabel(n), n});
    }
}

GameFrame::~GameFrame() { unload(); }

HWND GameFrame::cell(int n) const {
    for (const Item& item : const_cast<GameFrame*>(this)->items())
        if (item.cell == n) return item.hwnd;
    return nullptr;
}

std::string GameFrame::label(int n) const { return windowText(cell(n)); }

void GameFrame::setLabel(int n, std::string_view text) {
    HWND c = cell(n);
    setWindowText(c, text);
    InvalidateRect(c, nullptr, FALSE);
}

Colour GameFrame::faceColour(int n) const { return static_cast<Colour>(GetWindowLongPtrW(cell(n), GWLP_USERDATA)); }

void GameFrame::setFaceColour(int n, Colour colour) {
    HWND c = cell(n);
    SetWindowLongPtrW(c, GWLP_USERDATA, static_cast<LONG_PTR>(colour));
    InvalidateRect(c, nullptr, FALSE);
}

std::string GameFrame::moves() const { return windowText(control("lblcont")); }
void GameFrame::setMoves(std::string_view text) { setWindowText(control("lblcont"), text); }
std::string GameFrame::clockText() const { return windowText(control("lbltime")); }
void GameFrame::setClockText(std::string_view text) { setWindowText(control("lbltime"), text); }
void GameFrame::setStartTooltip(std::string_view text) { setTooltip("cmdcomincia", text); }

bool GameFrame::timedSelected() const { return SendMessageW(control("optsi"), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void GameFrame::selectTimed(bool timed) {
    SendMessageW(control("optsi"), BM_SETCHECK, timed ? BST_CHECKED : BST_UNCHECKED, 0);
    SendMessageW(control("optno"), BM_SETCHECK, timed ? BST_UNCHECKED : BST_CHECKED, 0);
}

void GameFrame::enableOptions(bool enabled) {
    EnableWindow(control("optsi"), enabled);
    EnableWindow(control("optno"), enabled);
}

void GameFrame::enableTimer(bool enabled) {
    if (enabled == timerEnabled_) return;  // a running timer keeps its period
    timerEnabled_ = enabled;
    if (enabled) {
        SetTimer(hwnd(), tempoId, app_.tempoPeriod, nullptr);
    } else {
        KillTimer(hwnd(), tempoId);
    }
}

void GameFrame::showHelp() { ShowWindow(control("cmdaiuto"), SW_SHOW); }
void GameFrame::focusSolution() { SetFocus(control("cmdsoluzione")); }
void GameFrame::showEndWindow() { app_.showEnd(); }

void GameFrame::Form_Load() {
    centre();
    gameWindowLoaded(app_.state);
    timerEnabled_ = false;  // a fresh window's timer is off
}

void GameFrame::cmd_Click(int Index) { tileClick(app_.state, *this, Index); }
void GameFrame::cmdcomincia_Click() { start(app_.state, *this, app_.random); }
void GameFrame::cmdaiuto_Click() { help(app_.state, *this); }
void GameFrame::cmdsoluzione_Click() { solution(app_.state, *this); }
void GameFrame::cmdesci_Click() { ExitProcess(0); }
void GameFrame::optsi_Click() { chooseTimed(app_.state, true); }
void GameFrame::optno_Click() { chooseTimed(app_.state, false); }

// One tick, one second: a wake-up that comes late, after a stall or a
// sleep of the machine, still counts once.
void GameFrame::tempo_Timer() { tick(app_.state, *this); }

AccessibleText GameFrame::accessibleText(const Item& item) const {
    // A cell says its tile, or that it is empty, and where it lies.
    if (item.cell == 0) return Form::accessibleText(item);
    const std::string tile = windowText(item.hwnd);
    return {widen(layout::cellName(tile)), widen(layout::cellPlace(item.cell))};
}

void GameFrame::clicked(const Item& item) {
    const std::string_view name = item.design.name;
    if (item.cell != 0) cmd_Click(item.cell);
    else if (name == "cmdcomincia") cmdcomincia_Click();
    else if (name == "cmdaiuto") cmdaiuto_Click();
    else if (name == "cmdsoluzione") cmdsoluzione_Click();
    else if (name == "cmdesci") cmdesci_Click();
    else if (name == "optsi") optsi_Click();
    else if (name == "optno") optno_Click();
}

}  // namespace lastrino::win32
