#include "form.h"

#include "artwork.h"
#include "controls.h"

#include "logic/actions.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace lastrino::win32 {

namespace {

constexpr wchar_t formClass[] = L"LastrinoForm";
constexpr UINT unloadMessage = WM_APP + 1;
// A control's id is this plus its place in the tab order (those out of it
// last), clear of IDOK and IDCANCEL.
constexpr int firstControlId = 100;
constexpr DWORD formStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD formExStyle = 0;

using layout::Kind;

// Labels without a caption and shapes have no window of their own: they are
// painted on the window's surface, beneath every control.
bool onSurface(const layout::Control& c) {
    return c.kind == Kind::Shape || (c.kind == Kind::Label && c.caption.empty());
}

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

void registerClass() {
    static bool done = false;
    if (done) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = windowIcon(GetSystemMetrics(SM_CXICON));
    wc.hIconSm = windowIcon(GetSystemMetrics(SM_CXSMICON));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = formClass;
    RegisterClassExW(&wc);
    done = true;
}

}  // namespace

Form::Form(const layout::Window& design) : design_(design) {
    for (const layout::Control& c : design.controls) items_.push_back({c, std::string(c.caption)});
}

Form::~Form() { unload(); }

HWND Form::control(std::string_view name) const {
    for (const Item& item : items_)
        if (item.design.name == name) return item.hwnd;
    return nullptr;
}

const Form::Item* Form::itemOf(HWND hwnd) const {
    if (!hwnd) return nullptr;
    for (const Item& item : items_)
        if (item.hwnd == hwnd) return &item;
    return nullptr;
}

void Form::show() {
    if (!loaded()) load();
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(control(focusAtShow()));
}

void Form::unload() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Form::unloadLater() {
    if (hwnd_) PostMessageW(hwnd_, unloadMessage, 0, 0);
}

void Form::load() {
    registerClass();
    const std::wstring caption = widen(design_.caption);
    hwnd_ = CreateWindowExW(formExStyle, formClass, caption.c_str(), formStyle | WS_CLIPCHILDREN, 0, 0, 0, 0, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::proc));
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                               0, 0, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);

    // Creation order is the tab order; controls out of it come last.
    std::stable_sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
        const auto rank = [](const Item& i) { return i.design.tabIndex < 0 ? 1000 : i.design.tabIndex; };
        return rank(a) < rank(b);
    });
    for (Item& item : items_) createControl(item);
    // Frames are drawn beneath the controls they hold.
    for (const Item& item : items_)
        if (item.design.kind == Kind::Frame)
            SetWindowPos(item.hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    layOut({0, 0});

    Form_Load();
}

void Form::createControl(Item& item) {
    const layout::Control& c = item.design;
    item.hwnd = nullptr;
    if (onSurface(c)) return;

    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (c.visible ? WS_VISIBLE : 0);
    switch (c.kind) {
    case Kind::Cell:
    case Kind::PictureButton:
    case Kind::Button:
        style |= BS_OWNERDRAW | WS_TABSTOP | WS_GROUP;
        break;
    // The group is one tab stop, on the selected option (a radio button takes
    // WS_TABSTOP when checked and drops it when cleared); the arrow keys move
    // within it.
    case Kind::Option:
        style |= BS_AUTORADIOBUTTON;
        break;
    case Kind::Frame:
        style |= BS_GROUPBOX | WS_GROUP;
        break;
    // A picture box takes the focus in its place in the tab order, though
    // nothing happens when it is clicked.
    case Kind::PictureBox:
        style |= BS_OWNERDRAW | WS_TABSTOP | WS_GROUP;
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
    // An option group starts at its first option button and ends at the next
    // control that is not one.
    if (c.kind == Kind::Option) {
        const bool follows = &item != &items_.front() && (&item - 1)->design.kind == Kind::Option;
        if (!follows) style |= WS_GROUP;
    }

    const std::wstring caption = widen(item.caption);
    const int id = firstControlId + static_cast<int>(&item - items_.data());
    item.hwnd = CreateWindowExW(0, cls, caption.c_str(), style, 0, 0, 0, 0, hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    // A button, picture box or image keeps its face colour with it, read
    // back exactly as set.
    if (isButton(c.kind) || showsPicture(c.kind)) {
        SetWindowLongPtrW(item.hwnd, GWLP_USERDATA, static_cast<LONG_PTR>(c.back));
        SetWindowSubclass(item.hwnd, buttonProc, 0, 0);
    }
    if (c.kind == Kind::Option && c.selected) SendMessageW(item.hwnd, BM_SETCHECK, BST_CHECKED, 0);
    if (c.kind == Kind::Frame) SetWindowSubclass(item.hwnd, frameProc, 0, c.back);

    if (!c.tooltip.empty()) {
        std::wstring tip = widen(c.tooltip);
        TOOLINFOW ti = tool(hwnd_, item.hwnd, tip.data());
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
}

void Form::layOut(POINT topLeft) {
    const int width = scaled(design_.clientWidth, dpi_), height = scaled(design_.clientHeight, dpi_);
    RECT outer{0, 0, width, height};
    AdjustWindowRectExForDpi(&outer, formStyle, FALSE, formExStyle, dpi_);
    SetWindowPos(hwnd_, nullptr, topLeft.x, topLeft.y, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // The frame may be drawn at another DPI than asked for (a title bar that
    // does not scale): the client area is what must come out exact.
    RECT client;
    GetClientRect(hwnd_, &client);
    if (client.right != width || client.bottom != height)
        SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const Item& item : items_) {
        if (!item.hwnd) continue;
        const RECT r = pixelRect(design_, item.design, dpi_);
        SetWindowPos(item.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (!item.design.font.face.empty())
            SendMessageW(item.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font(item.design.font, dpi_)), FALSE);
    }
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(windowIcon(GetSystemMetricsForDpi(SM_CXICON, dpi_))));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(windowIcon(GetSystemMetricsForDpi(SM_CXSMICON, dpi_))));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::setTooltip(std::string_view name, std::string_view text) {
    std::wstring tip = widen(text);
    TOOLINFOW ti = tool(hwnd_, control(name), tip.data());
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

AccessibleText Form::accessibleText(const Item& item) const {
    // A picture button says what its tooltip says, as the tooltip has it now.
    if (item.design.kind == Kind::PictureButton) {
        wchar_t tip[80] = L"";
        TOOLINFOW ti = tool(hwnd_, item.hwnd, tip);
        SendMessageW(tooltip_, TTM_GETTEXTW, std::size(tip), reinterpret_cast<LPARAM>(&ti));
        return {tip, {}};
    }
    if (showsPicture(item.design.kind)) return {widen(layout::pictureName(item.design.picture)), {}};
    return {};
}

AccessibleText Form::textOf(HWND control) {
    HWND top = GetAncestor(control, GA_ROOT);
    const auto* form = reinterpret_cast<const Form*>(GetWindowLongPtrW(top, GWLP_USERDATA));
    if (form && control == top) return {{}, form->description()};
    const Item* item = form ? form->itemOf(control) : nullptr;
    return item ? form->accessibleText(*item) : AccessibleText{};
}

void Form::centre() {
    RECT outer;
    GetWindowRect(hwnd_, &outer);
    const float t = 1440.0f / static_cast<float>(dpi_);  // twips to the pixel
    const WindowPosition p = centred(GetSystemMetrics(SM_CXSCREEN) * t, GetSystemMetrics(SM_CYSCREEN) * t,
                                     (outer.right - outer.left) * t, (outer.bottom - outer.top) * t);
    SetWindowPos(hwnd_, nullptr, static_cast<int>(std::lround(p.left / t)), static_cast<int>(std::lround(p.top / t)), 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::paintSurface(HDC dc) {
    for (const Item& item : items_) {
        const layout::Control& c = item.design;
        if (!onSurface(c)) continue;
        const RECT r = pixelRect(design_, c, dpi_);
        if (c.kind == Kind::Label) {
            FillRect(dc, &r, brush(c.back));
        } else {
            // A two-pixel outline (at 96 dpi) inside the shape's rectangle.
            HPEN pen = CreatePen(PS_INSIDEFRAME, px(2, dpi_), colorref(c.back));
            HGDIOBJ oldPen = SelectObject(dc, pen);
            HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
            Rectangle(dc, r.left, r.top, r.right, r.bottom);
            SelectObject(dc, oldBrush);
            SelectObject(dc, oldPen);
            DeleteObject(pen);
        }
    }
}

void Form::drawItem(const DRAWITEMSTRUCT& d) {
    const Item* item = itemOf(d.hwndItem);
    if (!item) return;
    HDC dc = d.hDC;
    RECT r = d.rcItem;
    FillRect(dc, &r, brush(static_cast<Colour>(GetWindowLongPtrW(d.hwndItem, GWLP_USERDATA))));
    if (showsPicture(item->design.kind)) {
        drawPicture(dc, item->design.picture, r, dpi_);
        return;
    }
    const bool pushed = d.itemState & ODS_SELECTED;
    DrawEdge(dc, &r, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    if (pushed) OffsetRect(&r, 1, 1);
    if (!item->design.picture.empty()) {
        // The 32 x 32 picture of the design, in device pixels.
        const int side = px(32, dpi_);
        const int x = (r.left + r.right - side) / 2, y = (r.top + r.bottom - side) / 2;
        drawPicture(dc, item->design.picture, RECT{x, y, x + side, y + side}, dpi_);
    } else {
        const std::wstring caption = widen(windowText(d.hwndItem));
        HGDIOBJ oldFont = SelectObject(dc, font(item->design.font, dpi_));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, (d.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : colorref(item->design.text));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }
    if (d.itemState & ODS_FOCUS) {
        RECT f = d.rcItem;
        InflateRect(&f, -px(4, dpi_), -px(4, dpi_));
        DrawFocusRect(dc, &f);
    }
}

void Form::command(WPARAM wp, LPARAM lp) {
    const UINT code = HIWORD(wp);
    if (LOWORD(wp) == IDOK && !itemOf(reinterpret_cast<HWND>(lp))) {
        // Enter: the dialog manager asks the window for its default button;
        // it is the push button that has the focus.
        const Item* focused = itemOf(GetFocus());
        if (focused && isButton(focused->design.kind)) SendMessageW(focused->hwnd, BM_CLICK, 0, 0);
        return;
    }
    const Item* item = itemOf(reinterpret_cast<HWND>(lp));
    if (!item || code != BN_CLICKED) return;
    if (isButton(item->design.kind)) {
        clicked(*item);
    } else if (item->design.kind == Kind::Option && SendMessageW(item->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        clicked(*item);
    }
}

LRESULT CALLBACK Form::buttonProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
    case WM_LBUTTONDBLCLK:
        // A quick second click is a click like the first: pressed here and
        // clicked on release.
        return DefSubclassProc(hwnd, WM_LBUTTONDOWN, wp, lp);
    case WM_GETOBJECT:
        if (static_cast<LONG>(lp) == OBJID_CLIENT && !textOf(hwnd).name.empty())
            return accessibleObject(hwnd, wp, &Form::textOf);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, buttonProc, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK Form::proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form) return DefWindowProcW(hwnd, msg, wp, lp);
    return form->handle(msg, wp, lp);
}

LRESULT Form::handle(UINT msg, WPARAM wp, LPARAM lp) {
    HWND hwnd = hwnd_;
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, brush(design_.back));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        paintSurface(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (const Item* item = itemOf(reinterpret_cast<HWND>(lp))) {
            HDC dc = reinterpret_cast<HDC>(wp);
            SetTextColor(dc, colorref(item->design.text));
            SetBkColor(dc, colorref(item->design.back));
            return reinterpret_cast<LRESULT>(brush(item->design.back));
        }
        break;
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_COMMAND:
        command(wp, lp);
        return 0;
    case WM_GETOBJECT:
        // The window itself, described where it has something to say.
        if (static_cast<LONG>(lp) == OBJID_CLIENT && !description().empty())
            return accessibleObject(hwnd, wp, &Form::textOf);
        break;
    case WM_TIMER:
        timerTick();
        return 0;
    case WM_DPICHANGED: {
        // Moved to a monitor of another DPI: laid out afresh for it, where
        // the system suggests.
        dpi_ = HIWORD(wp);
        const RECT* suggested = reinterpret_cast<const RECT*>(lp);
        layOut({suggested->left, suggested->top});
        for (const Item& item : items_)
            if (item.hwnd) InvalidateRect(item.hwnd, nullptr, TRUE);
        return 0;
    }
    case WM_ACTIVATE:
        // Keep the focused control across a switch to the other window.
        if (LOWORD(wp) == WA_INACTIVE) {
            if (itemOf(GetFocus())) lastFocus_ = GetFocus();
        } else if (lastFocus_ && IsWindow(lastFocus_) && IsWindowVisible(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case unloadMessage:
        unload();
        return 0;
    case WM_NCDESTROY:
        hwnd_ = nullptr;
        tooltip_ = nullptr;
        lastFocus_ = nullptr;
        for (Item& item : items_) item.hwnd = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace lastrino::win32
