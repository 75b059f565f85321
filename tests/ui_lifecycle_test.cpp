// Loading and unloading the two windows: new game, end of program, title bars.
#include "ui_fixture.h"

using namespace lastrino;
using namespace lastrino::testing;

namespace {

// A timed game won with Help on screen and "Sì" selected: everything a new
// game must put back.
void winTimedGame(Run& run) {
    run.click(run.control("optsi"));
    run.start();
    run.gioco().tempo()->elapse(61);
    for (int c : winningClicks) run.clickCell(c);
    QVERIFY(run.scelta());
}

}  // namespace

class LifecycleTest : public QObject {
    Q_OBJECT
private slots:
    void siLoadsAFreshGameWindowThenCloses() {
        Run run;
        winTimedGame(run);
        QPointer<ui::frmgioco> old = &run.gioco();
        QPointer<ui::frmscelta> scelta = run.scelta();
        run.program->state().secondi = 42;  // not touched by a load

        run.click(scelta->control(QStringLiteral("cmdsi")));
        QVERIFY(old->isHidden());        // unloaded: off the screen at once...
        QVERIFY(!old->tempo()->isWaiting());  // ...and its timer stopped
        QVERIFY(scelta->isHidden());
        deleteUnloaded();
        QVERIFY(!old);
        QVERIFY(!scelta);
        QVERIFY(!run.scelta());
        QCOMPARE(run.quits, 0);

        ui::frmgioco& fresh = run.gioco();
        QVERIFY(fresh.isVisible());
        QCOMPARE(run.lbltime(), QStringLiteral("00:00"));
        QCOMPARE(run.lblcont(), QStringLiteral("0"));
        QVERIFY(!fresh.tempo()->isEnabled() && !fresh.tempo()->isWaiting());
        QVERIFY(qobject_cast<QRadioButton*>(run.control("optno"))->isChecked());
        QVERIFY(run.control("optsi")->isEnabled());
        QVERIFY(!run.control("cmdaiuto")->isVisibleTo(&fresh));
        QCOMPARE(run.control("cmdcomincia")->toolTip(), QStringLiteral("Comincia"));
        QCOMPARE(fresh.focusWidget(), run.control("cmdcomincia"));
        QCOMPARE(run.program->state().partita, 0);
        QCOMPARE(run.program->state().atempo, 0);
        QCOMPARE(run.program->state().secondi, 42);
        for (int n = 1; n <= tiles; ++n) QCOMPARE(run.cell(n)->text(), QString::number(n));
    }

    void accessKeysOfTheEndWindow() {
        Run run;
        winTimedGame(run);
        ui::frmscelta* scelta = run.scelta();
        QVERIFY(QTest::qWaitForWindowActive(scelta));
        // An access key clicks once Qt has shown the press: the loop runs it.
        QTest::keyClick(scelta, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(run.quits, 1, 5000);

        Run again;
        winTimedGame(again);
        QVERIFY(QTest::qWaitForWindowActive(again.scelta()));
        QPointer<ui::frmgioco> old = &again.gioco();
        QTest::keyClick(again.scelta(), Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY_WITH_TIMEOUT(!again.scelta(), 5000);
        deleteUnloaded();
        QVERIFY(!old);
        QVERIFY(again.program->gioco()->isVisible());
        QCOMPARE(again.quits, 0);
    }

    void noEndsTheProgramWhileTheClockRuns() {
        Run run;
        winTimedGame(run);
        QPointer<ui::frmgioco> gioco = &run.gioco();
        ui::Tempo* tempo = gioco->tempo();
        QVERIFY(tempo->isWaiting());
        run.click(run.scelta()->control(QStringLiteral("cmdno")));
        QCOMPARE(run.quits, 1);
        QVERIFY(!tempo->isWaiting());
        QVERIFY(!run.program->gioco() && !run.program->scelta());
        deleteUnloaded();
        QVERIFY(!gioco);
    }

    void exitEndsTheProgramAtOnce() {
        Run run;
        run.click(run.control("optsi"));
        run.start();
        run.program->showScelta();  // an end-of-game window open too
        ui::Tempo* tempo = run.gioco().tempo();
        run.click(run.control("cmdesci"));
        QCOMPARE(run.quits, 1);
        QVERIFY(!tempo->isWaiting());
        QVERIFY(!run.program->gioco() && !run.program->scelta());
    }

    void closingTheEndWindowLeavesTheGameAlone() {
        Run run;
        winTimedGame(run);
        const QString moves = run.lblcont();
        QVERIFY(run.scelta()->close() == false);  // the program unloads it itself
        deleteUnloaded();
        QVERIFY(!run.scelta());
        QCOMPARE(run.quits, 0);
        QCOMPARE(run.lblcont(), moves);
        QCOMPARE(run.program->state().partita, 1);
        QVERIFY(run.gioco().tempo()->isWaiting());
        // A later win shows it again.
        run.clickCell(30);
        QVERIFY(run.scelta() && run.scelta()->isVisible());
    }

    void closingTheGameWindowEndsTheProgramOnlyWhenNoWindowIsLeft() {
        Run alone;
        alone.gioco().close();
        QCOMPARE(alone.quits, 1);
        QVERIFY(!alone.program->gioco());

        Run run;
        winTimedGame(run);
        ui::Tempo* tempo = run.gioco().tempo();
        run.gioco().close();
        QVERIFY(!tempo->isWaiting());  // unloaded: its timer stopped
        QCOMPARE(run.quits, 0);
        QVERIFY(!run.program->gioco());
        QVERIFY(run.scelta()->isVisible());
        // "Sì" loads the game window again.
        run.click(run.scelta()->control(QStringLiteral("cmdsi")));
        deleteUnloaded();
        QVERIFY(run.program->gioco() && run.program->gioco()->isVisible());
        QVERIFY(!run.scelta());
        QCOMPARE(run.quits, 0);
        run.gioco().close();
        QCOMPARE(run.quits, 1);
    }

    void everyWinLoadsANewEndWindow() {
        Run run;
        winTimedGame(run);
        QPointer<ui::frmscelta> first = run.scelta();
        run.clickCell(28);  // tile moves down out of place: no win
        QCOMPARE(run.scelta(), first.data());
        run.clickCell(32);  // and back: a win again
        QVERIFY(first->isHidden());
        deleteUnloaded();
        QVERIFY(!first);
        QVERIFY(run.scelta());
        QCOMPARE(run.scelta()->message(), QStringLiteral("Hai vinto in 21 mosse e con un tempo di 01:01!"));
        QCOMPARE(run.scelta()->parentWidget(), nullptr);
    }
};

QTEST_MAIN(LifecycleTest)
#include "ui_lifecycle_test.moc"
