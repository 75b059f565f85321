// Names for screen readers where a control's class has none to give: a
// picture button has no caption, an empty cell no label. The standard MSAA
// object of the control is handed out with its name and description taken
// from the window at the moment they are asked for.
#pragma once

#include <windows.h>

#include <string>

namespace lastrino::win32 {

struct AccessibleText {
    std::wstring name;         // empty: the control's own
    std::wstring description;  // empty: the control's own
};
using AccessibleTextOf = AccessibleText (*)(HWND control);

// The answer to WM_GETOBJECT (wp, OBJID_CLIENT) for `control`.
LRESULT accessibleObject(HWND control, WPARAM wp, AccessibleTextOf textOf);

}  // namespace lastrino::win32
