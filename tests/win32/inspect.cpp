// The Wine tests' inspector: reads commands on its standard input, one a line,
// plays them on the running game through the Win32 API and prints what a
// player of tests/transcript.py does, until "quit" or the game's end. The
// test build deals in order, so "rand" is let be. Besides the driver's
// commands (with "show" answered as "look") and the windows' key, close and look:
//   wait / gone      until the game window shows / no window of the game is left
//   double NAME      a quick second click as Windows reports it
//   pixel X Y        the colour at a client point of the window in front, 0xBBGGRR
//   ink NAME INSET   WxH, the box of what is painted on a control unlike its
//                    background, inside a margin of INSET pixels at 96 dpi
//   dpi N            the game window moved to a monitor of that DPI, where the
//                    system suggests (N, N) on the screen: "at X Y", where it went
//   name NAME        what a screen reader is told a control is called
// Controls are found by their place in the design's tab order, those out of
// it last (the game sets each control's id to 100 + that place).
#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const wchar_t* const gameTitle = L"Lastrino!";
const wchar_t* const endTitle = L"Un'altra partita?";

HWND topWindow(const wchar_t* title) {
    HWND w = FindWindowW(L"LastrinoForm", title);
    return w && IsWindowVisible(w) ? w : nullptr;
}

// The design's names of a window's controls, by their place in the tab order.
std::vector<std::wstring> names(HWND top) {
    if (top && top == topWindow(endTitle)) return {L"Picture1", L"lblmess", L"Label2", L"cmdsi", L"cmdno"};
    std::vector<std::wstring> n = {L"cmdcomincia", L"cmdsoluzione", L"cmdesci"};
    for (int cell = 1; cell <= 32; ++cell) {
        n.push_back(L"cmd" + std::to_wstring(cell));
        if (cell == 28) n.insert(n.end(), {L"Label1", L"Picture1"});
    }
    n.insert(n.end(),
             {L"Frame1", L"Frame2", L"lblcont", L"lbltime", L"optsi", L"optno", L"cmdaiuto", L"Shape1", L"Image1"});
    return n;
}

std::wstring nameOf(HWND top, HWND c) {
    const auto n = names(top);
    const auto tab = static_cast<std::size_t>(GetDlgCtrlID(c) - 100);
    return tab < n.size() ? n[tab] : L"?";
}

HWND control(HWND top, const std::wstring& name) {
    const auto n = names(top);
    const auto at = std::find(n.begin(), n.end(), name);
    return top && at != n.end() ? GetDlgItem(top, 100 + static_cast<int>(at - n.begin())) : nullptr;
}

void out(const std::wstring& line) {
    char utf8[4096] = "";
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8, sizeof utf8 - 1, nullptr, nullptr);
    std::printf("%s\n", utf8), std::fflush(stdout);
}

[[noreturn]] void fail(const std::wstring& why) {
    out(L"inspect: " + why);
    std::exit(1);
}

// The window in front: the end window when it is open.
HWND front() {
    HWND w = topWindow(endTitle);
    return w ? w : topWindow(gameTitle);
}

// As the window manager keeps it: no message to the game.
std::wstring text(HWND w) {
    wchar_t buf[256] = L"";
    GetWindowTextW(w, buf, 256);
    return buf;
}

std::wstring hex(unsigned value) {
    wchar_t buf[16];
    swprintf(buf, 16, L"0x%06X", value);
    return buf;
}

// What a screen reader is told a window is called (a picture button is
// called by its tooltip), or how it is described.
std::wstring spoken(HWND w, bool description = false) {
    IAccessible* acc = nullptr;
    BSTR text = nullptr;
    VARIANT self{};
    self.vt = VT_I4;
    if (SUCCEEDED(AccessibleObjectFromWindow(w, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&acc))))
        (description ? acc->get_accDescription(self, &text) : acc->get_accName(self, &text)), acc->Release();
    const std::wstring s = text ? text : L"?";
    SysFreeString(text);
    return s;
}

// The window that has the keyboard focus in the game's thread.
HWND focused() {
    HWND top = FindWindowW(L"LastrinoForm", nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return top && GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info) ? info.hwndFocus : nullptr;
}

HANDLE process;  // the game's, once its window is seen: waited for, and written by moveToDpi

// Every wait is bounded, generously: a loaded machine is slow, not wrong.
const DWORD patience = 60000;

// False when the game did not answer: it has ended, or hangs.
bool send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
    DWORD_PTR result;
    return w && SendMessageTimeoutW(w, msg, wp, lp, SMTO_NORMAL, patience, &result) != 0;
}
bool ended() { return process && WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }

void waitUntil(const std::function<bool()>& ready, const std::wstring& what) {
    for (ULONGLONG deadline = GetTickCount64() + patience; !ready(); Sleep(20))
        if (GetTickCount64() > deadline) fail(L"timed out: " + what);
}

// Until the game has taken in what it was sent: a round trip through its
// message loop, after which what was queued before it has been handled.
void settle() {
    for (int k = 0; k < 3 && !ended(); ++k)
        if (HWND w = front(); w && !send(w, WM_NULL) && IsWindow(w)) fail(L"the game does not answer");
}

// Until nothing in a window is left to paint, and the game has been idle
// since: Wine then puts what it painted on the screen.
void painted(HWND top) {
    const auto due = [](HWND w) { return GetUpdateRect(w, nullptr, FALSE) != FALSE; };
    waitUntil(
        [&] {
            bool pending = due(top);
            for (HWND c = GetWindow(top, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) pending = pending || due(c);
            return settle(), !pending;
        },
        L"the window to be painted");
    settle();
}

// A key pressed where the focus is, as the keyboard sends it (an arrow by
// its name, any case); done once the game has handled it.
void key(const std::string& name) {
    const std::map<std::string, int> keys = {
        {"TAB", VK_TAB},       {"LEFT", VK_LEFT | 0x100},   {"RIGHT", VK_RIGHT | 0x100},
        {"UP", VK_UP | 0x100}, {"DOWN", VK_DOWN | 0x100},   {"SPACE", VK_SPACE},
        {"RETURN", VK_RETURN}, {"ENTER", VK_RETURN | 0x100}};
    std::string base = name.substr(name.find('+') + 1);
    const int held = base == name ? 0 : name[0] == 'S' ? VK_SHIFT : VK_MENU;
    CharUpperA(base.data());
    const int k = keys.count(base) ? keys.at(base) : base[0];
    const auto stroke = [](int vk, DWORD up) {
        if (vk)
            keybd_event(static_cast<BYTE>(vk), static_cast<BYTE>(MapVirtualKeyW(vk & 0xFF, MAPVK_VK_TO_VSC)),
                        up | (vk & 0x100 ? KEYEVENTF_EXTENDEDKEY : 0), 0);
    };
    HWND top = front();
    SetForegroundWindow(top);
    stroke(held, 0), stroke(k, 0), stroke(k, KEYEVENTF_KEYUP), stroke(held, KEYEVENTF_KEYUP);
    // The game takes its input before it paints: once what is spoilt now is
    // painted again, the key has been handled, whether it changed anything or not.
    InvalidateRect(top, nullptr, FALSE);
    painted(top);
}

// A control's rectangle in its window's client area.
RECT place(HWND top, HWND c) {
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The colour at a point of a window, 0xBBGGRR.
std::wstring colour(HWND w, int x, int y) {
    HDC dc = GetDC(w);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return hex(c);
}

// Every window of the game and its controls in the columns of tests/design.txt
// and those a screen reader and the keyboard meet (tests/transcript.py), in
// pixels. Fonts and text colours stay with the game's process; a back colour
// is a button's face, or the colour at a control's corner.
void look() {
    for (HWND top : {topWindow(gameTitle), topWindow(endTitle)}) {
        if (!top) continue;
        painted(top);
        RECT client;
        GetClientRect(top, &client);
        const std::wstring window = top == topWindow(gameTitle) ? L"frmgioco | " : L"frmscelta | ";
        out(window + L"- | - | 0 | 0 | " + std::to_wstring(client.right) + L" | " + std::to_wstring(client.bottom) +
            L" | " + text(top) + L" | " + colour(top, 1, 1) + L" | - | - | - | 1 | - | - | 1 | 0 | 0");
        // Each a call to Wine's server: asked once a look, not once a control.
        const auto type = [](HWND c) { return GetWindowLongW(c, GWL_STYLE) & BS_TYPEMASK; };
        std::vector<HWND> frames;
        for (HWND f = GetWindow(top, GW_CHILD); f; f = GetWindow(f, GW_HWNDNEXT))
            if (type(f) == BS_GROUPBOX) frames.push_back(f);
        const HWND focus = focused();
        for (HWND c = GetWindow(top, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            const RECT r = place(top, c);
            const std::wstring name = nameOf(top, c), caption = text(c);
            std::wstring parent = L"-", back = colour(top, r.left + 1, r.top + 1);
            POINT at{r.left, r.top};
            // A control in a frame (a group box) is placed from the frame's corner.
            for (HWND f : frames)
                if (const RECT fr = place(top, f); f != c && PtInRect(&fr, at))
                    parent = nameOf(top, f), at = {r.left - fr.left, r.top - fr.top};
            if (type(c) == BS_OWNERDRAW) back = hex(static_cast<unsigned>(GetWindowLongPtrW(c, GWLP_USERDATA)));
            const bool tipped = name == L"cmdcomincia" || name == L"cmdaiuto" || name == L"cmdesci";
            const bool checked = type(c) == BS_AUTORADIOBUTTON && SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED;
            out(window + name + L" | " + parent + L" | " + std::to_wstring(at.x) + L" | " + std::to_wstring(at.y) +
                L" | " + std::to_wstring(r.right - r.left) + L" | " + std::to_wstring(r.bottom - r.top) + L" | " +
                (caption.empty() ? L"-" : caption) + L" | " + back + L" | - | - | " + (tipped ? spoken(c) : L"-") +
                L" | " + (IsWindowVisible(c) ? L"1 | " : L"0 | ") + spoken(c) + L" | " + spoken(c, true) + L" | " +
                (IsWindowEnabled(c) ? L"1 | " : L"0 | ") + (checked ? L"1 | " : L"0 | ") + (c == focus ? L"1" : L"0"));
        }
    }
    out(L"looked");
}

// Read on the window's own surface: a control's, in another process, shows nothing.
std::wstring ink(HWND c, int inset) {
    HWND top = GetParent(c);
    painted(top);
    RECT r = place(top, c);
    InflateRect(&r, -MulDiv(inset, GetDpiForWindow(c), 96), -MulDiv(inset, GetDpiForWindow(c), 96));
    HDC dc = GetDC(top);
    const COLORREF back = GetPixel(dc, r.left, r.top);
    int left = r.right, up = r.bottom, right = -1, down = -1;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (GetPixel(dc, x, y) != back)
                left = std::min(left, x), right = std::max(right, x), up = std::min(up, y), down = std::max(down, y);
    ReleaseDC(top, dc);
    return std::to_wstring(right < 0 ? 0 : right - left + 1) + L"x" + std::to_wstring(down < 0 ? 0 : down - up + 1);
}

// WM_DPICHANGED carries a pointer to the suggested rectangle: it is written
// into the game's own memory.
void moveToDpi(HWND w, int dpi) {
    RECT r;
    GetWindowRect(w, &r);
    const int from = GetDpiForWindow(w);
    RECT suggested{dpi, dpi, dpi + MulDiv(r.right - r.left, dpi, from), dpi + MulDiv(r.bottom - r.top, dpi, from)};
    void* remote = VirtualAllocEx(process, nullptr, sizeof suggested, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    WriteProcessMemory(process, remote, &suggested, sizeof suggested, nullptr);
    send(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    GetWindowRect(w, &r), out(L"at " + std::to_wstring(r.left) + L" " + std::to_wstring(r.top));
}

void play() {
    // The control each command clicks, by its name with the word after the command added.
    const std::map<std::string, std::wstring> clicks{
        {"click", L"cmd"},    {"start", L"cmdcomincia"}, {"help", L"cmdaiuto"}, {"solution", L"cmdsoluzione"},
        {"exit", L"cmdesci"}, {"timed", L"opt"},         {"end", L"cmd"}};
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        std::string command, arg, arg2;
        words >> command >> arg >> arg2;
        const std::wstring what(arg.begin(), arg.end());
        if (command == "gone") {
            waitUntil([] { return !FindWindowW(L"LastrinoForm", nullptr); }, L"the game's windows to go");
            continue;
        }
        // Shown in front and active, with the focus on one of its controls:
        // Wine activates a window when the X server says so, after it shows.
        if (command == "wait")
            waitUntil([] { return topWindow(gameTitle) && GetParent(focused()) == topWindow(gameTitle); },
                      L"the game window");
        if (!process) {
            DWORD pid = 0;
            GetWindowThreadProcessId(FindWindowW(L"LastrinoForm", nullptr), &pid);
            if (!(process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid))) fail(L"no game");
        }
        HWND game = topWindow(gameTitle), end = topWindow(endTitle);
        bool answered = true;
        if (command == "end" && what == L"close") answered = send(end, WM_CLOSE);
        else if (clicks.count(command))
            answered = send(control(command == "end" ? end : game, clicks.at(command) + what), BM_CLICK);
        else if (command == "tick")
            for (int k = arg.empty() ? 1 : std::stoi(arg); k > 0 && answered; --k) answered = send(game, WM_TIMER, 1);
        // The close box, sent as the title bar sends it: the window goes before the send returns.
        else if (command == "close") answered = send(game, WM_SYSCOMMAND, SC_CLOSE);
        else if (command == "double") {
            for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
                answered = send(control(game, what), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
        } else if (command == "key") key(arg);
        else if (command == "look" || command == "show") look();
        else if (command == "focus")
            out(L"focus " + (GetParent(focused()) ? nameOf(GetParent(focused()), focused()) : L"-"));
        else if (command == "ink") out(ink(control(front(), what), std::stoi(arg2)));
        else if (command == "pixel") painted(front()), out(colour(front(), std::stoi(arg), std::stoi(arg2)));
        else if (command == "dpi") moveToDpi(game, std::stoi(arg));
        else if (command == "name") out(spoken(control(front(), what)));
        else if (command == "quit") break;
        else if (command != "rand" && command != "wait")
            fail(L"unknown command " + std::wstring(line.begin(), line.end()));
        // The game ends when its last window goes, however it goes.
        if (!answered || ended() || !FindWindowW(L"LastrinoForm", nullptr)) {
            if (WaitForSingleObject(process, patience) != WAIT_OBJECT_0) fail(L"the game does not end");
            out(L"event exit");
            break;
        }
        // A new end window, as a screen reader hears it open: its description.
        if (HWND now = topWindow(endTitle); now && now != end) out(L"event end-window " + spoken(now, true));
    }
}

}  // namespace

int main() {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    play();
}
