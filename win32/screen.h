// The game's windows on the Win32 API: each built from its design table,
// drawn, and the player's doings in it passed to the shell, which decides
// what they do.
#pragma once

#include "accessible.h"

#include "logic/shell.h"

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

namespace lastrino::win32 {

class WinScreen final : public Screen {
public:
    // The game window loaded and shown; the program runs until end() posts its quit.
    void run() { shell_.run(); }
    // The keyboard before a message is dispatched: the arrow keys of the game
    // window, then the dialog manager's Tab, access keys, Enter and Space.
    bool keyboard(MSG& msg);

    void load(const Form& form) override;
    void unload(const Form& form) override;
    void setText(const Control& control, std::string_view text) override;
    void setColour(const Control& control, Colour face) override;
    void setVisible(const Control& control, bool visible) override;
    void setEnabled(const Control& control, bool enabled) override;
    void setSelected(const Control& option) override;
    void setTooltip(const Control& control, std::string_view text) override;
    void setFocus(const Control& control) override;
    void startTimer(unsigned milliseconds) override;
    void stopTimer() override;
    void end() override;

private:
    struct Loaded {
        WinScreen& screen;
        const Form& form;
        HWND hwnd = nullptr;
        HWND tooltip = nullptr;
        HWND lastFocus = nullptr;
        int dpi = 96;
        std::vector<HWND> controls{};  // by place in the design table; none for what is painted on the window
    };

    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK buttonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR);
    static AccessibleText textOf(HWND hwnd);
    static const Control* controlOf(const Loaded& w, HWND hwnd);
    static void create(Loaded& w, const Control& c, int id, bool groupStart);
    static void layOut(Loaded& w, POINT topLeft);
    static void paintSurface(const Loaded& w, HDC dc);
    void drawItem(const Loaded& w, const DRAWITEMSTRUCT& d) const;
    void command(Loaded& w, WPARAM wp, LPARAM lp);
    LRESULT handle(Loaded& w, UINT msg, WPARAM wp, LPARAM lp);

    std::unique_ptr<Loaded>& slot(const Form& form) { return windows_[&form == &layout::frmgioco ? 0 : 1]; }
    HWND hwndOf(const Control& control) { return slot(formOf(control))->controls[indexOf(formOf(control), control)]; }

    std::array<std::unique_ptr<Loaded>, 2> windows_;  // frmgioco, frmscelta
    Shell shell_{*this};
};

}  // namespace lastrino::win32
