// A running program with its real Qt windows on the offscreen platform, a
// scripted random source, and a quit function that only counts.
#pragma once

#include "logic/board.h"
#include "logic/random.h"
#include "qt/frmgioco.h"
#include "qt/frmscelta.h"
#include "qt/program.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <memory>

namespace lastrino::testing {

inline QColor rgb(Colour c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }
inline void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
// Windows unloaded by a handler go once the handler's event is done.
inline void deleteUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

struct Run {
    int quits = 0;
    ScriptedRandom* random = new ScriptedRandom;
    std::unique_ptr<ui::Program> program{new ui::Program(std::unique_ptr<RandomSource>(random), [this] { ++quits; })};
    Run() { program->showGioco(); }

    ui::frmgioco& gioco() const { return *program->gioco(); }
    ui::frmscelta* scelta() const { return program->scelta(); }
    QTimer* tempo() const { return gioco().tempo(); }
    // `n` periods of tempo elapse: each is one timeout, delivered while the timer runs.
    void elapse(int n = 1) const {
        for (int i = 0; i < n && tempo()->isActive(); ++i) {
            QTimerEvent timeout(tempo()->timerId());
            QCoreApplication::sendEvent(tempo(), &timeout);
        }
    }
    template <class T = QWidget>
    T* control(const char* name) const {
        return qobject_cast<T*>(gioco().control(QLatin1String(name)));
    }
    QWidget* endControl(const char* name) const { return scelta()->control(QLatin1String(name)); }
    ui::FaceButton* cell(int n) const { return gioco().cell(n); }

    // The deal that puts tile k on cell k; start() exchanges 30 and 31 with it.
    void scriptDealInOrder() {
        for (int k = 0; k < tiles; ++k) random->push((k + 0.5) / tiles);
    }
    // Start (timed or not) on that deal, tile 28 down and back up (Help
    // shows), and Help: won in three moves.
    void win(bool timed) {
        if (timed) click(control("optsi"));
        scriptDealInOrder();
        for (const char* name : {"cmdcomincia", "cmd28", "cmd32", "cmdaiuto"}) click(control(name));
    }
};

}  // namespace lastrino::testing
