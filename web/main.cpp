// Lastrino! in the browser: shows the game window on the page; page.js
// hands every click on a control to `click`, each tick of the timer to
// `tick`, and a window to `centre` again when the page is resized.
#include "program.h"

#include "logic/random.h"

#include <emscripten/bind.h>

namespace {

#ifdef LASTRINO_WEB_TEST
// A test build: every Start deals in order.
using Deal = lastrino::InOrderDeal;
#else
using Deal = lastrino::ClockRandom;
#endif

lastrino::web::Program& program() {
    static Deal deal;
    static lastrino::web::Program p(deal);
    return p;
}

void click(const std::string& window, const std::string& control) { program().click(window, control); }

}  // namespace

int main() { program().showGioco(); }

EMSCRIPTEN_BINDINGS(lastrino) {
    emscripten::function("click", &click);
    emscripten::function(
        "tick", +[] { program().tempo_Timer(); });
    emscripten::function("centre", &lastrino::web::centre);
}
