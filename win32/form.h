// A window built from its design table: the controls created in tab order
// with their look and state at load, painted in their colours, and their
// events handed to the window's handlers. frmgioco and frmscelta build on it.
#pragma once

#include "accessible.h"

#include "logic/layout.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace lastrino::win32 {

class Form {
public:
    explicit Form(const layout::Window& design);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    bool loaded() const { return hwnd_ != nullptr; }
    HWND hwnd() const { return hwnd_; }

    // Loads the window if it is not loaded (controls in their design state,
    // then Form_Load), then shows it in front with the focus on its first control.
    void show();
    // Takes the window and its controls off the screen; no handler runs.
    void unload();
    // Unloads the window once the handler now running has returned.
    void unloadLater();

    HWND control(std::string_view name) const;
    void setTooltip(std::string_view name, std::string_view text);
    // The DPI the window is laid out for.
    int dpi() const { return dpi_; }

protected:
    struct Item {
        layout::Control design;
        std::string caption;
        int cell = 0;  // 1 to 32 for the board's cells
        HWND hwnd = nullptr;
    };

    // Places the window centred on the screen by its outer size, as the load
    // steps of both windows do.
    void centre();

    virtual void Form_Load() = 0;
    // A push button was clicked, or an option button became selected.
    virtual void clicked(const Item& item) = 0;
    virtual void timerTick() {}
    // The control that has the focus when the window is shown.
    virtual std::string_view focusAtShow() const = 0;
    // What a screen reader says for a control the platform cannot name.
    virtual AccessibleText accessibleText(const Item& item) const;
    // What a screen reader reads of the window after its name: none.
    virtual std::wstring description() const { return {}; }

    // Extra controls that the design table lists apart (the board's cells).
    std::vector<Item>& items() { return items_; }
    const Item* itemOf(HWND hwnd) const;

private:
    static LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK buttonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR form);
    static AccessibleText textOf(HWND control);
    LRESULT handle(UINT msg, WPARAM wp, LPARAM lp);
    void load();
    void createControl(Item& item);
    // Sizes the window and places every control for the DPI dpi_.
    void layOut(POINT topLeft);
    void paintSurface(HDC dc);
    void drawItem(const DRAWITEMSTRUCT& d);
    void command(WPARAM wp, LPARAM lp);

    const layout::Window& design_;
    std::vector<Item> items_;
    HWND hwnd_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
    int dpi_ = 96;
};

}  // namespace lastrino::win32
