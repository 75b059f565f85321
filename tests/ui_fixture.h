// The shell on the real Qt windows, on the offscreen platform: every Start
// deals in order (tile k on cell k, then 30 and 31 exchanged), and the timer
// ticks by the test's hand unless asked to run at its real period.
#pragma once

#include "qt/screen.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QTest>
#include <QTimerEvent>

namespace lastrino::testing {

inline QColor rgb(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
inline void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
// Windows unloaded by a handler go once the handler's event is done.
inline void deleteUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct Run {
    InOrderDeal deal;
    ui::QtScreen screen;
    Shell shell;
    explicit Run(bool manualTicks = true) : shell(screen, Seam{&deal, manualTicks}) {
        screen.attach(shell);
        shell.run();
    }

    QWidget* gioco() const { return screen.window(layout::frmgioco); }
    QWidget* scelta() const { return screen.window(layout::frmscelta); }
    QWidget* control(const char* name, const Form& form = layout::frmgioco) const {
        return screen.widget(*layout::find(form, name));
    }
    // `n` periods of tempo elapse: each is one timeout, delivered while the timer runs.
    void elapse(int n = 1) {
        for (int i = 0; i < n && screen.timer().isActive(); ++i) {
            QTimerEvent timeout(screen.timer().timerId());
            QCoreApplication::sendEvent(&screen.timer(), &timeout);
        }
    }
    // Start (timed or not), tile 28 down and back up (Help shows), and Help:
    // won in three moves.
    void win(bool timed) {
        if (timed) click(control("optsi"));
        for (const char* name : {"cmdcomincia", "cmd28", "cmd32", "cmdaiuto"}) click(control(name));
    }
};

}  // namespace lastrino::testing
