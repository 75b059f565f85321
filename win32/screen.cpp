#include "screen.h"

#include "artwork.h"
#include "controls.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>
#include <numeric>

namespace lastrino::win32 {

namespace {

using layout::Kind;

constexpr wchar_t formClass[] = L"LastrinoForm";
// A control's id is this plus its place in the tab order (those out of it
// last), clear of IDOK and IDCANCEL.
constexpr int firstControlId = 100;
constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr UINT_PTR timerId = 1;

// Labels without a caption and shapes have no window of their own: they are
// painted on the window's surface, beneath every control.
bool onSurface(const Control& c) { return c.kind == Kind::Shape || (c.kind == Kind::Label && c.caption.empty()); }
bool isButton(Kind k) { return k == Kind::Cell || k == Kind::PictureButton || k == Kind::Button; }
bool showsPicture(Kind k) { return k == Kind::PictureBox || k == Kind::Image; }

// What the tooltip control keeps of a control of `form`, with its text at `text`.
TOOLINFOW tool(HWND form, HWND control, wchar_t* text) {
    TOOLINFOW ti{};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = form;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = text;
    return ti;
}

// Device pixels for a length given at 96 dpi.
int px(int at96, int dpi) { return MulDiv(at96, dpi, 96); }

// A group box paints only its line and caption; its inside is erased here
// in the frame's background colour.
LRESULT CALLBACK frameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR back) {
    if (msg == WM_ERASEBKGND) {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, brush(static_cast<Colour>(back)));
        return 1;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

void WinScreen::load(const Form& form) {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &WinScreen::proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hIcon = windowIcon(GetSystemMetrics(SM_CXICON));
        wc.hIconSm = windowIcon(GetSystemMetrics(SM_CXSMICON));
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = formClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    auto& w = slot(form) = std::make_unique<Loaded>(Loaded{*this, form});
    w->hwnd = CreateWindowExW(0, formClass, widen(form.caption).c_str(), formStyle | WS_CLIPCHILDREN, 0, 0, 0, 0,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(w->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(w.get()));
    w->dpi = static_cast<int>(GetDpiForWindow(w->hwnd));
    w->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                                 0, 0, w->hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);

    // Creation order is the tab order; controls out of it come last.
    const auto& controls = form.controls;
    std::vector<std::size_t> order(controls.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const auto rank = [&](std::size_t i) { return controls[i].tabIndex < 0 ? 1000 : controls[i].tabIndex; };
        return rank(a) < rank(b);
    });
    w->controls.assign(controls.size(), nullptr);
    for (std::size_t k = 0; k < order.size(); ++k) {
        // An option group starts at its first option button and ends at the next control that is not one.
        const bool groupStart = k == 0 || controls[order[k - 1]].kind != Kind::Option;
        create(*w, controls[order[k]], firstControlId + static_cast<int>(k), groupStart);
    }
    // Frames are drawn beneath the controls they hold.
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].kind == Kind::Frame)
            SetWindowPos(w->controls[i], HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    layOut(*w, {0, 0});

    // Centred on the screen by its outer size, then shown in front.
    RECT outer;
    GetWindowRect(w->hwnd, &outer);
    const auto at = layout::centredPixels(
        static_cast<float>(GetSystemMetrics(SM_CXSCREEN)), static_cast<float>(GetSystemMetrics(SM_CYSCREEN)),
        static_cast<float>(outer.right - outer.left), static_cast<float>(outer.bottom - outer.top), 1440.0f / w->dpi);
    SetWindowPos(w->hwnd, nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(w->hwnd, SW_SHOW);
    SetForegroundWindow(w->hwnd);
}

void WinScreen::create(Loaded& w, const Control& c, int id, bool groupStart) {
    if (onSurface(c)) return;
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (c.visible ? WS_VISIBLE : 0);
    switch (c.kind) {
    // A picture box takes the focus in its place in the tab order, though
    // nothing happens when it is clicked.
    case Kind::Cell:
    case Kind::PictureButton:
    case Kind::Button:
    case Kind::PictureBox:
        style |= BS_OWNERDRAW | WS_TABSTOP | WS_GROUP;
        break;
    // The group is one tab stop, on the selected option (a radio button takes
    // WS_TABSTOP when checked and drops it when cleared); the arrow keys move
    // within it.
    case Kind::Option:
        style |= BS_AUTORADIOBUTTON | (groupStart ? WS_GROUP : 0);
        break;
    case Kind::Frame:
        style |= BS_GROUPBOX | WS_GROUP;
        break;
    // An image is a window too, so that a screen reader finds it.
    case Kind::Image:
        cls = L"STATIC";
        style |= SS_OWNERDRAW;
        break;
    default:
        cls = L"STATIC";
        style |= (c.align == layout::Align::Centre ? SS_CENTER : SS_LEFT) | WS_GROUP;
        if (!c.wordWrap && c.align == layout::Align::Left) style |= SS_LEFTNOWORDWRAP;
        break;
    }
    HWND h = CreateWindowExW(0, cls, widen(c.caption).c_str(), style, 0, 0, 0, 0, w.hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    w.controls[indexOf(w.form, c)] = h;
    // A button, picture box or image keeps its face colour with it, read
    // back exactly as set.
    if (isButton(c.kind) || showsPicture(c.kind)) {
        SetWindowLongPtrW(h, GWLP_USERDATA, static_cast<LONG_PTR>(c.back));
        SetWindowSubclass(h, buttonProc, 0, 0);
    }
    if (c.kind == Kind::Option && c.selected) SendMessageW(h, BM_SETCHECK, BST_CHECKED, 0);
    if (c.kind == Kind::Frame) SetWindowSubclass(h, frameProc, 0, c.back);
    if (!c.tooltip.empty()) {
        std::wstring tip = widen(c.tooltip);
        TOOLINFOW ti = tool(w.hwnd, h, tip.data());
        SendMessageW(w.tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

// Sizes the window and places every control for its DPI.
void WinScreen::layOut(Loaded& w, POINT topLeft) {
    const int width = scaled(w.form.clientWidth, w.dpi), height = scaled(w.form.clientHeight, w.dpi);
    RECT outer{0, 0, width, height};
    AdjustWindowRectExForDpi(&outer, formStyle, FALSE, 0, w.dpi);
    SetWindowPos(w.hwnd, nullptr, topLeft.x, topLeft.y, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame may be drawn at another DPI than asked for (a title bar that
    // does not scale): the client area is what must come out exact.
    RECT client;
    GetClientRect(w.hwnd, &client);
    if (client.right != width || client.bottom != height)
        SetWindowPos(w.hwnd, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (std::size_t i = 0; i < w.controls.size(); ++i) {
        const Control& c = w.form.controls[i];
        if (!w.controls[i]) continue;
        const RECT r = pixelRect(w.form, c, w.dpi);
        SetWindowPos(w.controls[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (!c.font.face.empty())
            SendMessageW(w.controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font(c.font, w.dpi)), FALSE);
        InvalidateRect(w.controls[i], nullptr, TRUE);
    }
    for (auto [kind, metric] : {std::pair{ICON_BIG, SM_CXICON}, std::pair{ICON_SMALL, SM_CXSMICON}})
        SendMessageW(w.hwnd, WM_SETICON, kind,
                     reinterpret_cast<LPARAM>(windowIcon(GetSystemMetricsForDpi(metric, w.dpi))));
    InvalidateRect(w.hwnd, nullptr, TRUE);
}

void WinScreen::unload(const Form& form) {
    // The window may be unloaded from within one of its own handlers: its
    // record goes once DestroyWindow is done with it, and no caller touches it after.
    if (std::unique_ptr<Loaded>& w = slot(form)) {
        DestroyWindow(w->hwnd);
        w.reset();
    }
}

void WinScreen::setText(const Control& control, std::string_view text) {
    HWND h = hwndOf(control);
    SetWindowTextW(h, widen(text).c_str());
    InvalidateRect(h, nullptr, FALSE);
}

void WinScreen::setColour(const Control& control, Colour face) {
    HWND h = hwndOf(control);
    SetWindowLongPtrW(h, GWLP_USERDATA, static_cast<LONG_PTR>(face));
    InvalidateRect(h, nullptr, FALSE);
}

void WinScreen::setVisible(const Control& control, bool visible) {
    ShowWindow(hwndOf(control), visible ? SW_SHOW : SW_HIDE);
}

void WinScreen::setEnabled(const Control& control, bool enabled) { EnableWindow(hwndOf(control), enabled); }

void WinScreen::setSelected(const Control& option) {
    for (const Control& c : formOf(option).controls)
        if (c.kind == Kind::Option && c.parent == option.parent)
            SendMessageW(hwndOf(c), BM_SETCHECK, &c == &option ? BST_CHECKED : BST_UNCHECKED, 0);
}

void WinScreen::setTooltip(const Control& control, std::string_view text) {
    std::wstring tip = widen(text);
    TOOLINFOW ti = tool(slot(formOf(control))->hwnd, hwndOf(control), tip.data());
    SendMessageW(slot(formOf(control))->tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void WinScreen::setFocus(const Control& control) { SetFocus(hwndOf(control)); }

void WinScreen::startTimer(unsigned milliseconds) {
    SetTimer(slot(layout::frmgioco)->hwnd, timerId, milliseconds, nullptr);
}

void WinScreen::stopTimer() { KillTimer(slot(layout::frmgioco)->hwnd, timerId); }

void WinScreen::end() { PostQuitMessage(0); }

bool WinScreen::keyboard(MSG& msg) {
    static constexpr std::pair<WPARAM, Key> arrows[] = {
        {VK_UP, Key::Up}, {VK_DOWN, Key::Down}, {VK_LEFT, Key::Left}, {VK_RIGHT, Key::Right}};
    const auto& game = slot(layout::frmgioco);
    if (msg.message == WM_KEYDOWN && game && GetAncestor(msg.hwnd, GA_ROOT) == game->hwnd) {
        for (const auto& [vk, key] : arrows)
            if (msg.wParam == vk && shell_.key(layout::frmgioco, controlOf(*game, GetFocus()), key)) return true;
    }
    for (const auto& w : windows_)
        if (w && IsDialogMessageW(w->hwnd, &msg)) return true;
    return false;
}

const Control* WinScreen::controlOf(const Loaded& w, HWND hwnd) {
    const auto at = std::find(w.controls.begin(), w.controls.end(), hwnd);
    return hwnd && at != w.controls.end() ? &w.form.controls[at - w.controls.begin()] : nullptr;
}

// What a screen reader is told where a control's class has nothing to say,
// from what the shell shows now.
AccessibleText WinScreen::textOf(HWND hwnd) {
    const auto* w = reinterpret_cast<const Loaded*>(GetWindowLongPtrW(GetAncestor(hwnd, GA_ROOT), GWLP_USERDATA));
    const Control* c = w ? controlOf(*w, hwnd) : nullptr;
    if (!c) {
        // The end window's message is read as the window opens, after its name.
        const Control* message = w ? layout::find(w->form, "lblmess") : nullptr;
        return {{}, message ? widen(w->screen.shell_.state(*message).text) : L""};
    }
    if (c->kind == Kind::Cell)
        return {widen(layout::cellName(w->screen.shell_.state(*c).text)), widen(layout::cellPlace(c->cell))};
    if (c->kind == Kind::PictureButton) {
        // A picture button says what its tooltip says, as the tooltip has it now.
        wchar_t tip[80] = L"";
        TOOLINFOW ti = tool(w->hwnd, hwnd, tip);
        SendMessageW(w->tooltip, TTM_GETTEXTW, std::size(tip), reinterpret_cast<LPARAM>(&ti));
        return {tip, {}};
    }
    if (showsPicture(c->kind)) return {widen(layout::pictureName(c->picture)), {}};
    return {};
}

void WinScreen::paintSurface(const Loaded& w, HDC dc) {
    for (const Control& c : w.form.controls) {
        if (!onSurface(c)) continue;
        const RECT r = pixelRect(w.form, c, w.dpi);
        if (c.kind == Kind::Label) {
            FillRect(dc, &r, brush(c.back));
            continue;
        }
        // A two-pixel outline (at 96 dpi) inside the shape's rectangle.
        HPEN pen = CreatePen(PS_INSIDEFRAME, px(2, w.dpi), colorref(c.back));
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
        Rectangle(dc, r.left, r.top, r.right, r.bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(pen);
    }
}

void WinScreen::drawItem(const Loaded& w, const DRAWITEMSTRUCT& d) const {
    const Control* c = controlOf(w, d.hwndItem);
    if (!c) return;
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    FillRect(dc, &r, brush(static_cast<Colour>(GetWindowLongPtrW(d.hwndItem, GWLP_USERDATA))));
    if (showsPicture(c->kind)) {
        drawPicture(dc, c->picture, r, w.dpi);
        return;
    }
    const bool pushed = d.itemState & ODS_SELECTED;
    DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pushed) OffsetRect(&r, 1, 1);
    if (!c->picture.empty()) {
        // The 32 x 32 picture of the design, in device pixels.
        const int side = px(32, w.dpi);
        const int x = (r.left + r.right - side) / 2, y = (r.top + r.bottom - side) / 2;
        drawPicture(dc, c->picture, RECT{x, y, x + side, y + side}, w.dpi);
    } else {
        const std::wstring caption = widen(shell_.state(*c).text);
        HGDIOBJ oldFont = SelectObject(dc, font(c->font, w.dpi));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, (d.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : colorref(c->text));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }
    if (d.itemState & ODS_FOCUS) {
        RECT f = d.rcItem;
        InflateRect(&f, -px(4, w.dpi), -px(4, w.dpi));
        DrawFocusRect(dc, &f);
    }
}

void WinScreen::command(Loaded& w, WPARAM wp, LPARAM lp) {
    const Control* c = controlOf(w, reinterpret_cast<HWND>(lp));
    if (LOWORD(wp) == IDOK && !c) {
        // Enter: the dialog manager asks the window for its default button;
        // it is the push button that has the focus.
        const Control* focused = controlOf(w, GetFocus());
        if (focused && isButton(focused->kind)) SendMessageW(GetFocus(), BM_CLICK, 0, 0);
        return;
    }
    if (!c || HIWORD(wp) != BN_CLICKED) return;
    // An option button is pressed when it becomes selected. The press may
    // unload this window: nothing of it is touched after.
    if (isButton(c->kind) || (c->kind == Kind::Option && SendMessageW(reinterpret_cast<HWND>(lp), BM_GETCHECK, 0, 0)))
        shell_.press(*c);
}

LRESULT CALLBACK WinScreen::buttonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click like the first: pressed here and
        // clicked on release.
        return DefSubclassProc(hwnd, WM_LBUTTONDOWN, wp, lp);
    case WM_GETOBJECT:
        if (static_cast<LONG>(lp) == OBJID_CLIENT && !textOf(hwnd).name.empty())
            return accessibleObject(hwnd, wp, &WinScreen::textOf);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, buttonProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK WinScreen::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* w = reinterpret_cast<Loaded*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return w ? w->screen.handle(*w, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT WinScreen::handle(Loaded& w, UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = w.hwnd;
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, brush(w.form.back));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paintSurface(w, dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (const Control* c = controlOf(w, reinterpret_cast<HWND>(lp))) {
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, colorref(c->text));
            SetBkColor(dc, colorref(c->back));
            return reinterpret_cast<LRESULT>(brush(c->back));
        }
        break;
    case WM_DRAWITEM:
        drawItem(w, *reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_COMMAND:
        command(w, wp, lp);
        return 0;
    case WM_GETOBJECT:
        // The window itself, described where it has something to say.
        if (static_cast<LONG>(lp) == OBJID_CLIENT && !textOf(hwnd).description.empty())
            return accessibleObject(hwnd, wp, &WinScreen::textOf);
        break;
    case WM_TIMER:
        shell_.tick();
        return 0;
    case WM_CLOSE:
        shell_.close(w.form);
        return 0;
    case WM_DPICHANGED:
        // Moved to a monitor of another DPI: laid out afresh for it, where
        // the system suggests.
        w.dpi = HIWORD(wp);
        layOut(w, {reinterpret_cast<const RECT*>(lp)->left, reinterpret_cast<const RECT*>(lp)->top});
        return 0;
    case WM_ACTIVATE:
        // Keep the focused control across a switch to the other window.
        if (LOWORD(wp) == WA_INACTIVE) {
            if (controlOf(w, GetFocus())) w.lastFocus = GetFocus();
        } else if (w.lastFocus && IsWindowVisible(w.lastFocus)) {
            SetFocus(w.lastFocus);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace lastrino::win32
