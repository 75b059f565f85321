// Prints where to click, in the game window's client pixels, for the
// controls the benchmark harness presses: one line "NAME X Y" each, at the
// middle of the control, taken from the window's design table; and first
// "title TEXT", the window's title, by which the harness knows the window.
#include "logic/layout.h"

#include <iostream>

int main() {
    using namespace lastrino::layout;
    std::cout << "title " << frmgioco.caption << '\n';
    for (const char* name : {"optsi", "optno", "cmdcomincia"}) {
        const Control* c = find(frmgioco, name);
        Rect r = c->twips;
        if (!c->parent.empty()) {
            const Rect frame = find(frmgioco, c->parent)->twips;
            r.left += frame.left;
            r.top += frame.top;
        }
        std::cout << name << ' ' << pixels(r.left + r.width / 2) << ' ' << pixels(r.top + r.height / 2) << '\n';
    }
}
