// A long evening of games in the game's own windows: deal, win, "Sì", again,
// with mouse clicks posted to the buttons as the event loop delivers them.
// Every deal is in order (every tile home, then 30 and 31 exchanged, as Start
// does) so that the same 19 clicks win each game. Every 10 games, once the
// unloaded windows are gone, prints
//   GAMES RSS_KIB HEAP_KIB TOPLEVELS QOBJECTS
// RSS from /proc/self/status, the heap in use from mallinfo2, the top-level
// widgets Qt still knows and every QObject below them and the application;
// after the first game, a line "# accessibility bridge on|off".
//   soak [GAMES]        200 by default; run on a real display (Xvfb)
#include "qt/screen.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

namespace {

using namespace lastrino;

constexpr int winningClicks[] = {28, 27, 31, 32, 28, 27, 26, 25, 29, 28, 32, 31, 30, 29, 25, 26, 27, 28, 32};

long statusKib(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string prefix = std::string(key) + ":";
    while (std::getline(status, line))
        if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

int countObjects(const QObject* o) {
    int n = 1;
    for (const QObject* child : o->children()) n += countObjects(child);
    return n;
}

// Press and release at the middle, queued behind whatever the loop holds.
void postClick(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    const QPointF global = w->mapToGlobal(at);
    QCoreApplication::postEvent(
        w, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(
        w, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {}));
}

}  // namespace

int main(int argc, char** argv) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 200;
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    InOrderDeal deal;
    ui::QtScreen screen;
    Shell shell(screen, Seam{.deal = &deal});
    screen.attach(shell);
    shell.run();
    const auto control = [&](const Form& form, std::string_view name) {
        return screen.widget(*layout::find(form, name));
    };

    int played = 0;
    auto report = [&] {
        int objects = countObjects(&app);
        for (QWidget* w : QApplication::topLevelWidgets()) objects += countObjects(w);
        std::printf("%d %ld %zu %lld %d\n", played, statusKib("VmRSS"), mallinfo2().uordblks / 1024,
                    static_cast<long long>(QApplication::topLevelWidgets().size()), objects);
        std::fflush(stdout);
    };
    // One step a turn of the event loop: the clicks of a step are posted
    // together; the next step waits until they and the deletions are done.
    std::function<void()> step;
    int phase = 0;
    step = [&] {
        if (phase == 0) {  // a new game window, shown and painted
            postClick(control(layout::frmgioco, "cmdcomincia"));
            for (int n : winningClicks) postClick(control(layout::frmgioco, "cmd" + std::to_string(n)));
            phase = 1;
        } else if (phase == 1) {  // won: the end window is up
            if (!screen.window(layout::frmscelta)) {
                std::fprintf(stderr, "soak: game %d was not won\n", played + 1);
                QCoreApplication::exit(1);
                return;
            }
            postClick(control(layout::frmscelta, "cmdsi"));
            phase = 2;
        } else {
            ++played;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (played % 10 == 0 || played == 1) report();
            if (played == 1) std::printf("# accessibility bridge %s\n", QAccessible::isActive() ? "on" : "off");
            if (played >= games) {
                QCoreApplication::exit(0);
                return;
            }
            phase = 0;
        }
        // A pause long enough for the windows to map and paint on the display.
        QTimer::singleShot(phase == 0 ? 50 : 20, step);
    };
    report();
    QTimer::singleShot(200, step);
    return QApplication::exec();
}
