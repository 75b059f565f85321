// Lastrino! for Windows: loads and shows the game window, then runs the
// message loop until neither window is left.
#include "app.h"

#include "logic/clock.h"
#include "logic/random.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

namespace {

#ifdef LASTRINO_SCRIPTED_DEAL
// A test build: every Start deals in order.
using Deal = lastrino::InOrderDeal;
// Its clock moves only by the timer messages the tests send.
constexpr unsigned tempoPeriod = USER_TIMER_MAXIMUM;
#else
using Deal = lastrino::ClockRandom;
constexpr unsigned tempoPeriod = lastrino::tickMilliseconds;
#endif

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    // Screen readers reach the controls' accessible objects through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

    Deal deal;
    lastrino::win32::App app(deal, tempoPeriod);
    app.showGame();

    MSG msg;
    while (app.anyLoaded() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (app.dialogMessage(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
