// A running program with its real Qt windows on the offscreen platform, a
// scripted random source, and a quit function that only counts.
#pragma once

#include "logic/board.h"
#include "logic/random.h"
#include "ui/frmgioco.h"
#include "ui/frmscelta.h"
#include "ui/program.h"
#include "ui/tempo.h"
#include "ui/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <memory>
#include <vector>

namespace lastrino::testing {

// The clicks that win from the scripted deal (1 to 29 home, 30 and 31
// exchanged); the first one leaves 28 tiles in place.
inline const std::vector<int> winningClicks{28, 27, 31, 32, 28, 27, 26, 25, 29, 28,
                                            32, 31, 30, 29, 25, 26, 27, 28, 32};

struct Run {
    int quits = 0;
    ScriptedRandom* random = nullptr;
    std::unique_ptr<ui::Program> program;

    Run() {
        auto r = std::make_unique<ScriptedRandom>();
        random = r.get();
        program = std::make_unique<ui::Program>(std::move(r), [this] { ++quits; });
        program->showGioco();
    }

    ui::frmgioco& gioco() const { return *program->gioco(); }
    ui::frmscelta* scelta() const { return program->scelta(); }

    template <class T = QWidget>
    T* control(const char* name) const {
        return qobject_cast<T*>(gioco().control(QLatin1String(name)));
    }
    ui::FaceButton* cell(int n) const { return gioco().cell(n); }

    // The deal that puts tile k on cell k.
    void scriptDealInOrder() {
        for (int k = 0; k < tiles; ++k) random->push((k + 0.5) / tiles);
    }
    void click(QWidget* w) const { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
    void clickCell(int n) const { click(cell(n)); }
    void start() {
        scriptDealInOrder();
        click(control("cmdcomincia"));
    }
    QString lblcont() const { return control<QLabel>("lblcont")->text(); }
    QString lbltime() const { return control<QLabel>("lbltime")->text(); }
};

// Windows unloaded by a handler go once the handler's event is done.
inline void deleteUnloaded() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace lastrino::testing
