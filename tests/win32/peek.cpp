// The Wine tests' eyes and hands on the running game: a console program that
// reads the game's windows through the Win32 API and sends them messages.
//
//   inspect.exe COMMAND [COMMAND...]      each command one argument, run in order
//
//   play                  the text driver's commands from the standard input,
//                         played on the game as tests/transcript.py wants them
//                         (see play()), until "quit" or the game's end
//   wait:TITLE            until a window of that title shows (60 s at most)
//   gone:TITLE            until no window of that title is left (20 s at most)
//   window:TITLE          client size and DPI of the window
//   controls:TITLE        one line per control (see describe())
//   focus                 the window and control that have the keyboard focus
//   gui                   the game process's GDI and USER object counts
//   click:TITLE:NAME      a click (BM_CLICK), done when the handler has run
//   double:TITLE:NAME     a click, then a quick second one as Windows reports
//                         it: button down, up, double-click, up
//   close:TITLE           the title bar's close button (WM_CLOSE)
//   key:VK                a key pressed on the focused control (posted),
//                         until the focus moves (5 s at most)
//   press:VK              the same, not waiting for anything
//   pixel:TITLE:X:Y       the colour on screen at a client point, RRGGBB
//   ink:TITLE:NAME:INSET  the size of what is painted on a control, WxH: the
//                         box of the pixels unlike its background, inside a
//                         margin of INSET pixels at 96 dpi
//   dpi:TITLE:DPI         the window moved to a monitor of that DPI
//
// Controls are named by their tab index in the design tables (the game sets
// each control's id to 100 + its tab index).
#include <windows.h>

#include <commctrl.h>
#include <oleacc.h>
#include <winternl.h>

#include <cstdio>
#include <cwchar>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const wchar_t* const gameTitle = L"Lastrino!";
const wchar_t* const endTitle = L"Un'altra partita?";

std::wstring nameOf(const std::wstring& title, int tabIndex) {
    if (title == endTitle) {
        const wchar_t* names[] = {L"Picture1", L"lblmess", L"Label2", L"cmdsi", L"cmdno"};
        return tabIndex >= 0 && tabIndex < 5 ? names[tabIndex] : L"?";
    }
    if (tabIndex >= 3 && tabIndex <= 30) return L"cmd" + std::to_wstring(tabIndex - 2);
    if (tabIndex >= 33 && tabIndex <= 36) return L"cmd" + std::to_wstring(tabIndex - 4);
    const wchar_t* names[] = {L"cmdcomincia", L"cmdsoluzione", L"cmdesci"};
    if (tabIndex >= 0 && tabIndex < 3) return names[tabIndex];
    const wchar_t* rest[] = {L"Label1", L"Picture1", L"", L"", L"", L"", L"Frame1", L"Frame2",
                             L"lblcont", L"lbltime", L"optsi", L"optno", L"cmdaiuto"};
    return tabIndex >= 31 && tabIndex <= 43 ? rest[tabIndex - 31] : L"?";
}

void out(const std::wstring& line) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, utf8.data(), n, nullptr, nullptr);
    std::printf("%s\n", utf8.c_str());
    std::fflush(stdout);
}

[[noreturn]] void fail(const std::wstring& why) {
    out(L"inspect: " + why);
    std::exit(1);
}

std::wstring utf16(const char* s) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, s, -1, nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s, -1, w.data(), n);
    w.resize(n - 1);
    return w;
}

std::vector<std::wstring> split(const std::wstring& s) {
    std::vector<std::wstring> parts;
    std::size_t from = 0;
    for (std::size_t at; (at = s.find(L':', from)) != std::wstring::npos; from = at + 1)
        parts.push_back(s.substr(from, at - from));
    parts.push_back(s.substr(from));
    return parts;
}

HWND topWindow(const std::wstring& title) {
    HWND w = FindWindowW(L"LastrinoForm", title.c_str());
    return w && IsWindowVisible(w) ? w : nullptr;
}

HWND needWindow(const std::wstring& title) {
    HWND w = topWindow(title);
    if (!w) fail(L"no window \"" + title + L"\"");
    return w;
}

HWND needControl(const std::wstring& title, const std::wstring& name) {
    HWND top = needWindow(title);
    for (int tab = 0; tab < 44; ++tab)
        if (nameOf(title, tab) == name)
            if (HWND c = GetDlgItem(top, 100 + tab)) return c;
    fail(L"no control " + name + L" in \"" + title + L"\"");
}

std::wstring text(HWND w) {
    wchar_t buf[256] = L"";
    DWORD_PTR n = 0;
    SendMessageTimeoutW(w, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(buf), SMTO_BLOCK, 5000, &n);
    return buf;
}

std::wstring className(HWND w) {
    wchar_t buf[64] = L"";
    GetClassNameW(w, buf, 64);
    return buf;
}

bool checked(HWND w) {
    DWORD_PTR state = 0;
    SendMessageTimeoutW(w, BM_GETCHECK, 0, 0, SMTO_BLOCK, 5000, &state);
    return state == BST_CHECKED;
}

// A little memory in the game's process, for messages that carry pointers.
class Remote {
public:
    explicit Remote(HWND w) {
        DWORD pid;
        GetWindowThreadProcessId(w, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        base_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, 4096, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        if (!base_) fail(L"no memory in the game's process");
    }
    ~Remote() {
        VirtualFreeEx(process_, base_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    char* at(std::size_t offset) const { return base_ + offset; }
    void write(std::size_t offset, const void* data, std::size_t size) const {
        WriteProcessMemory(process_, base_ + offset, data, size, nullptr);
    }
    void read(std::size_t offset, void* data, std::size_t size) const {
        ReadProcessMemory(process_, base_ + offset, data, size, nullptr);
    }

private:
    HANDLE process_;
    char* base_;
};

// The tooltip text of a control, from the tooltip windows of its top window.
std::wstring tooltip(HWND top, HWND control) {
    std::wstring found;
    for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr));) {
        if (GetWindow(tip, GW_OWNER) != top) continue;
        const Remote remote(top);
        TTTOOLINFOW ti{};
        ti.cbSize = TTTOOLINFOW_V2_SIZE;
        ti.hwnd = top;
        ti.uId = reinterpret_cast<UINT_PTR>(control);
        ti.lpszText = reinterpret_cast<wchar_t*>(remote.at(1024));
        remote.write(0, &ti, sizeof ti);
        const wchar_t empty = 0;
        remote.write(1024, &empty, sizeof empty);
        DWORD_PTR result = 0;
        SendMessageTimeoutW(tip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(remote.at(0)), SMTO_BLOCK, 5000, &result);
        wchar_t buf[256] = L"";
        remote.read(1024, buf, sizeof buf - sizeof(wchar_t));
        if (buf[0]) found = buf;
    }
    return found;
}

// What a screen reader is told: the MSAA name and description.
std::wstring accessible(HWND w) {
    IAccessible* acc = nullptr;
    const HRESULT hr = AccessibleObjectFromWindow(w, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&acc));
    if (FAILED(hr) || !acc) return L"acc=? desc=? " + std::to_wstring(static_cast<unsigned long>(hr));
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr, desc = nullptr;
    acc->get_accName(self, &name);
    acc->get_accDescription(self, &desc);
    const std::wstring s = L"acc=\"" + std::wstring(name ? name : L"") + L"\" desc=\"" + (desc ? desc : L"") + L"\"";
    SysFreeString(name);
    SysFreeString(desc);
    acc->Release();
    return s;
}

// NAME CLASS "TEXT" LEFT,TOP WIDTHxHEIGHT visible|hidden enabled|disabled
//   [checked] [tabstop] tip="..." acc="..." desc="..."
std::wstring describe(HWND top, HWND c, const std::wstring& title) {
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    const LONG style = GetWindowLongW(c, GWL_STYLE);
    std::wstring s = nameOf(title, GetDlgCtrlID(c) - 100) + L" " + className(c) + L" \"" + text(c) + L"\" " +
                     std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L" " +
                     std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top);
    s += IsWindowVisible(c) ? L" visible" : L" hidden";
    s += IsWindowEnabled(c) ? L" enabled" : L" disabled";
    if (className(c) == L"Button" && (style & BS_TYPEMASK) == BS_AUTORADIOBUTTON && checked(c)) s += L" checked";
    if (style & WS_TABSTOP) s += L" tabstop";
    // An owner-drawn button keeps its face colour value with it.
    if (className(c) == L"Button" && (style & BS_TYPEMASK) == BS_OWNERDRAW) {
        wchar_t face[16];
        swprintf(face, 16, L" face=%08X", static_cast<unsigned>(GetWindowLongPtrW(c, GWLP_USERDATA)));
        s += face;
    }
    return s + L" tip=\"" + tooltip(top, c) + L"\" " + accessible(c);
}

DWORD gameProcess() {
    HWND w = FindWindowW(L"LastrinoForm", nullptr);
    if (!w) fail(L"no game window");
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

// Windows counts a process's GDI and USER objects for GetGuiResources; Wine
// answers 0. There the GDI count is read off the process's own GDI handle
// table (the PEB points at it; an entry of 24 bytes is in use when its
// type, byte 14, is set), and the USER count is the number of its windows.

unsigned gdiInTable(HANDLE process) {
    PROCESS_BASIC_INFORMATION info{};
    if (NtQueryInformationProcess(process, ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return 0;
    UINT64 table = 0;
    const auto* peb = reinterpret_cast<const char*>(info.PebBaseAddress);
    if (!ReadProcessMemory(process, peb + 0xF8, &table, sizeof table, nullptr) || !table) return 0;
    std::vector<char> entries(0x10000 * 24);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(), entries.size(), nullptr))
        return 0;
    unsigned n = 0;
    for (std::size_t type = 14; type < entries.size(); type += 24) n += entries[type] != 0;
    return n;
}

unsigned windowsOf(DWORD pid) {
    static DWORD of;
    static unsigned n;
    of = pid, n = 0;
    EnumWindows(
        [](HWND w, LPARAM) -> BOOL {
            DWORD owner;
            GetWindowThreadProcessId(w, &owner);
            if (owner == of) ++n, EnumChildWindows(w, [](HWND, LPARAM) -> BOOL { return ++n, TRUE; }, 0);
            return TRUE;
        },
        0);
    return n;
}

// The window that has the keyboard focus in the game's thread.
HWND focused() {
    HWND top = FindWindowW(L"LastrinoForm", nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!top || !GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &info)) return nullptr;
    return info.hwndFocus;
}

// False when the game did not answer: it has ended, or hangs.
bool send(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result;
    return SendMessageTimeoutW(w, msg, wp, lp, SMTO_NORMAL, 10000, &result) != 0;
}

// The focused control's name, or "window" for a window itself, with the
// window's title; an empty title when nothing has the focus.
std::pair<std::wstring, std::wstring> focusName() {
    HWND f = focused();
    if (!f) return {};
    HWND owner = GetAncestor(f, GA_ROOT);
    wchar_t title[64] = L"";
    GetWindowTextW(owner, title, 64);
    return {title, owner == f ? L"window" : nameOf(title, GetDlgCtrlID(f) - 100)};
}

template <class Ready>
void waitUntil(int seconds, Ready ready, const std::wstring& what) {
    for (ULONGLONG deadline = GetTickCount64() + seconds * 1000ULL; !ready(); Sleep(50))
        if (GetTickCount64() > deadline) fail(L"timed out: " + what);
}

// What the text driver's "show" prints, less what no window shows (see
// tests/transcript.py).
void show() {
    HWND game = needWindow(gameTitle);
    const auto control = [](const wchar_t* name) { return needControl(gameTitle, name); };
    std::wstring board = L"board";
    for (int n = 1; n <= 32; ++n) {
        HWND cell = control((L"cmd" + std::to_wstring(n)).c_str());
        const std::wstring label = text(cell);
        const auto face = static_cast<unsigned>(GetWindowLongPtrW(cell, GWLP_USERDATA));
        wchar_t colour[12];
        swprintf(colour, 12, L"#%08X", face);
        board += L" " + (label.empty() ? L"_" : label) +
                 (face == 0xFF8080 ? L"B" : face == 0x00FFFF ? L"Y" : face == 0x8000000F ? L"E" : colour);
    }
    out(board);
    out(L"moves " + text(control(L"lblcont")));
    out(L"clock " + text(control(L"lbltime")));
    out(std::wstring(L"options ") + (checked(control(L"optsi")) ? L"si" : L"no") +
        (IsWindowEnabled(control(L"optsi")) ? L" enabled" : L" disabled"));
    out(std::wstring(L"help ") + (IsWindowVisible(control(L"cmdaiuto")) ? L"shown" : L"hidden"));
    out(L"tooltip " + tooltip(game, control(L"cmdcomincia")));
    const std::wstring focus = focusName().second;
    out(L"focus " + (focus.empty() || focus == L"window" ? L"-" : focus));
    out(L"end-window " + (topWindow(endTitle) ? text(needControl(endTitle, L"lblmess")) : L"-"));
}

// The driver's commands played on the running game, one a line from the
// standard input: clicks are BM_CLICK, a tick is a WM_TIMER, and the game's
// end is "event exit". The test build deals in order, so "rand" is let be.
void play() {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, gameProcess());
    const std::map<std::string, std::wstring> buttons = {
        {"start", L"cmdcomincia"}, {"help", L"cmdaiuto"}, {"solution", L"cmdsoluzione"}, {"exit", L"cmdesci"}};
    const auto click = [](const std::wstring& title, const std::wstring& name) {
        return send(needControl(title, name), BM_CLICK, 0, 0);
    };
    for (std::string line; std::getline(std::cin, line);) {
        std::istringstream words(line);
        std::string command, arg;
        words >> command >> arg;
        const std::wstring what = utf16(arg.c_str());
        HWND end = topWindow(endTitle);
        bool answered = true;
        if (buttons.count(command)) answered = click(gameTitle, buttons.at(command));
        else if (command == "click") answered = click(gameTitle, L"cmd" + what);
        else if (command == "timed") answered = click(gameTitle, what == L"si" ? L"optsi" : L"optno");
        else if (command == "tick")
            for (int k = arg.empty() ? 1 : std::stoi(arg); k > 0 && answered; --k)
                answered = send(needWindow(gameTitle), WM_TIMER, 1, 0);
        else if (command == "end" && what == L"close") answered = send(needWindow(endTitle), WM_CLOSE, 0, 0);
        else if (command == "end") {
            answered = click(endTitle, what == L"si" ? L"cmdsi" : L"cmdno");
            // Sì leaves its window to go once the click is done.
            if (answered && what == L"si") waitUntil(20, [&] { return !IsWindow(end); }, L"the end window to go");
        } else if (command == "show") show();
        else if (command == "quit") break;
        else if (command != "rand") fail(L"unknown command " + utf16(line.c_str()));
        if (!answered || WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
            if (WaitForSingleObject(process, 20000) != WAIT_OBJECT_0) fail(L"the game does not answer");
            out(L"event exit");
            break;
        }
        if (HWND now = topWindow(endTitle); now && now != end)
            out(L"event end-window " + text(needControl(endTitle, L"lblmess")));
    }
    CloseHandle(process);
}

void run(const std::wstring& command) {
    const std::vector<std::wstring> a = split(command);
    const std::wstring& verb = a[0];
    const auto arg = [&](std::size_t i) -> const std::wstring& {
        if (i >= a.size()) fail(L"missing argument in " + command);
        return a[i];
    };
    if (verb == L"wait") {
        waitUntil(60, [&] { return topWindow(arg(1)) != nullptr; }, arg(1));
        // and until the game has done showing it and waits for the player
        HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, gameProcess());
        WaitForInputIdle(process, 10000);
        CloseHandle(process);
    } else if (verb == L"gone") {
        waitUntil(20, [&] { return !FindWindowW(L"LastrinoForm", arg(1).c_str()); }, arg(1) + L" gone");
    } else if (verb == L"window") {
        HWND w = needWindow(arg(1));
        RECT r;
        GetClientRect(w, &r);
        out(L"window \"" + arg(1) + L"\" client " + std::to_wstring(r.right) + L"x" + std::to_wstring(r.bottom) +
            L" dpi " + std::to_wstring(GetDpiForWindow(w)));
    } else if (verb == L"controls") {
        HWND top = needWindow(arg(1));
        for (HWND c = GetWindow(top, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) out(describe(top, c, arg(1)));
    } else if (verb == L"focus") {
        const auto [title, name] = focusName();
        out(name.empty() ? L"focus none" : L"focus \"" + title + L"\" " + name);
    } else if (verb == L"gui") {
        // Counted with every window painted, so no painting is under way.
        for (const wchar_t* title : {gameTitle, endTitle})
            if (HWND w = FindWindowW(L"LastrinoForm", title))
                RedrawWindow(w, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const DWORD pid = gameProcess();
        HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
        unsigned gdi = GetGuiResources(process, GR_GDIOBJECTS), user = GetGuiResources(process, GR_USEROBJECTS);
        if (gdi == 0) gdi = gdiInTable(process), user = windowsOf(pid);
        CloseHandle(process);
        if (gdi == 0) fail(L"no GDI object count");
        out(L"gdi " + std::to_wstring(gdi) + L" user " + std::to_wstring(user));
    } else if (verb == L"click") {
        send(needControl(arg(1), arg(2)), BM_CLICK, 0, 0);
    } else if (verb == L"double") {
        HWND c = needControl(arg(1), arg(2));
        for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
            send(c, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(5, 5));
    } else if (verb == L"close") {
        PostMessageW(needWindow(arg(1)), WM_CLOSE, 0, 0);
    } else if (verb == L"key" || verb == L"press") {
        HWND was = focused();
        if (!was) fail(L"no focus for a key");
        const WPARAM vk = std::wcstoul(arg(1).c_str(), nullptr, 0);
        PostMessageW(was, WM_KEYDOWN, vk, 1);
        PostMessageW(was, WM_KEYUP, vk, 1 | (1u << 30) | (1u << 31));
        if (verb == L"key") waitUntil(5, [&] { return focused() != was; }, L"the focus to move");
    } else if (verb == L"ink") {
        HWND c = needControl(arg(1), arg(2));
        RECT r;
        GetWindowRect(c, &r);  // on the screen, where the pixels are read
        const int inset = MulDiv(std::stoi(arg(3)), GetDpiForWindow(c), 96);
        const int w = r.right - r.left - 2 * inset, h = r.bottom - r.top - 2 * inset;
        // A copy of the control's pixels, top-down, 32 bits each.
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC screen = GetDC(nullptr), copy = CreateCompatibleDC(screen);
        HBITMAP b = CreateDIBSection(copy, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ old = SelectObject(copy, b);
        BitBlt(copy, 0, 0, w, h, screen, r.left + inset, r.top + inset, SRCCOPY);
        const auto* p = static_cast<const UINT32*>(bits);
        int left = w, top = h, right = -1, bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if ((p[y * w + x] & 0xFFFFFF) != (p[0] & 0xFFFFFF))
                    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y),
                    bottom = std::max(bottom, y);
        SelectObject(copy, old);
        DeleteObject(b);
        DeleteDC(copy);
        ReleaseDC(nullptr, screen);
        out(std::to_wstring(right < 0 ? 0 : right - left + 1) + L"x" + std::to_wstring(bottom < 0 ? 0 : bottom - top + 1));
    } else if (verb == L"pixel") {
        HWND w = needWindow(arg(1));
        HDC dc = GetDC(w);
        const COLORREF c = GetPixel(dc, std::stoi(arg(2)), std::stoi(arg(3)));
        ReleaseDC(w, dc);
        wchar_t rgb[8];
        swprintf(rgb, 8, L"%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
        out(rgb);
    } else if (verb == L"dpi") {
        HWND w = needWindow(arg(1));
        const int dpi = std::stoi(arg(2));
        RECT r;
        GetWindowRect(w, &r);
        const int from = GetDpiForWindow(w);
        RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, dpi, from),
                       r.top + MulDiv(r.bottom - r.top, dpi, from)};
        const Remote remote(w);
        remote.write(0, &suggested, sizeof suggested);
        send(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote.at(0)));
    } else if (verb == L"play") {
        play();
    } else {
        fail(L"unknown command " + command);
    }
}

}  // namespace

int main(int argc, char** argv) {
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (int i = 1; i < argc; ++i) run(utf16(argv[i]));
    CoUninitialize();
    return 0;
}
