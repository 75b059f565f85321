// Lastrino! for Windows: the shell loads and shows the game window, then
// the message loop runs until the shell ends the program, however its last
// window went.
#include "screen.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    // Screen readers reach the controls' accessible objects through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    lastrino::win32::WinScreen screen;
    screen.run();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (screen.keyboard(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
