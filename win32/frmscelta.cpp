#include "frmscelta.h"

#include "app.h"
#include "controls.h"

#include "logic/actions.h"

namespace lastrino::win32 {

EndFrame::EndFrame(App& app) : Form(layout::frmscelta), app_(app) {}

std::string EndFrame::message() const { return windowText(control("lblmess")); }
std::wstring EndFrame::description() const { return widen(message()); }

void EndFrame::Form_Load() {
    centre();
    const GameFrame& gioco = *app_.gioco();
    app_.mosse = gioco.moves();
    setWindowText(control("lblmess"), winMessage(app_.mosse, gioco.timedSelected(), gioco.clockText()));
}

void EndFrame::cmdsi_Click() {
    app_.showGame();
    // This handler is still running: the window goes once it has returned.
    unloadLater();
}

void EndFrame::cmdno_Click() { ExitProcess(0); }

void EndFrame::clicked(const Item& item) {
    if (item.design.name == "cmdsi") cmdsi_Click();
    else if (item.design.name == "cmdno") cmdno_Click();
}

}  // namespace lastrino::win32
