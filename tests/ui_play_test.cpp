// Games played with the mouse and the keyboard on the real windows, and the
// loading and unloading of both: new game, end of program, title bars.
#include "ui_fixture.h"

using namespace lastrino;
using namespace lastrino::testing;

namespace {

void expectSolvedBoard(const Run& run) {
    for (int n = 1; n <= cells; ++n) {
        QCOMPARE(run.cell(n)->text(), n == cells ? QString() : QString::number(n));
        const int r = (n - 1) / 4, c = (n - 1) % 4;
        QCOMPARE(run.cell(n)->face(), n == 32 ? 0x8000000Fu : (r + c) % 2 == 0 ? 0xFF8080u : 0x00FFFFu);
    }
}

}  // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    // Every window operation the rules use, through a game won by mouse.
    void untimedGameFromStartToWin() {
        Run run;
        run.start();
        QCOMPARE(run.control("cmdcomincia")->toolTip(), QStringLiteral("Ricomincia"));
        QVERIFY(!run.control("optsi")->isEnabled() && !run.control("optno")->isEnabled());
        // The deal: 30 and 31 exchanged, each in its tile's colour.
        QCOMPARE(run.cell(30)->text(), QStringLiteral("31"));
        QCOMPARE(run.cell(30)->face(), 0x00FFFFu);
        for (int n : winningClicks) {
            QVERIFY(!run.scelta());
            run.clickCell(n);
        }
        QCOMPARE(run.lblcont(), QStringLiteral("19"));
        QCOMPARE(run.gioco().focusWidget(), run.control("cmdsoluzione"));
        expectSolvedBoard(run);
        QVERIFY(run.scelta() && run.scelta()->isVisible());
        QCOMPARE(run.scelta()->message(), QStringLiteral("Hai vinto in 19 mosse!"));
        QVERIFY(run.gioco().isVisible());  // the game window stays behind it
        QCOMPARE(run.quits, 0);
    }

    void timedWinQuotesTheClockThatKeepsRunning() {
        Run run;
        run.win(207);
        QVERIFY(run.scelta());
        const QString at0327 = QStringLiteral("Hai vinto in 19 mosse e con un tempo di 03:27!");
        QCOMPARE(run.scelta()->message(), at0327);
        run.elapse();
        QCOMPARE(run.lbltime(), QStringLiteral("03:28"));
        QCOMPARE(run.scelta()->message(), at0327);
        // Each win loads a new end window: a click that moves nothing is one.
        QPointer<ui::frmscelta> first = run.scelta();
        run.clickCell(30);
        QVERIFY(first->isHidden());
        deleteUnloaded();
        QVERIFY(!first && run.scelta());
        QCOMPARE(run.scelta()->message(), QStringLiteral("Hai vinto in 19 mosse e con un tempo di 03:28!"));
    }

    // tempo runs only in a timed game, and each timeout is one second.
    void tempoTicksOncePerTimeout() {
        Run untimed;
        untimed.start();
        QVERIFY(!untimed.tempo()->isActive());

        Run run;
        run.start(true);
        QVERIFY(run.tempo()->isActive());
        QCOMPARE(run.tempo()->interval(), 1000);
        QCOMPARE(run.lbltime(), QStringLiteral("00:00"));
        run.elapse(59);
        QCOMPARE(run.lbltime(), QStringLiteral("00:59"));
        run.elapse();
        QCOMPARE(run.lbltime(), QStringLiteral("01:00"));
    }

    void helpAndSolution() {
        Run run;
        run.start(true);
        run.elapse(5);
        QVERIFY(!run.control("cmdaiuto")->isVisible());
        run.clickCell(28);  // 28 in place
        QVERIFY(run.control("cmdaiuto")->isVisible());
        click(run.control("cmdaiuto"));  // exchanges 30 and 31
        QCOMPARE(run.cell(30)->text(), QStringLiteral("30"));
        QCOMPARE(run.cell(31)->face(), 0x00FFFFu);
        QCOMPARE(run.lblcont(), QStringLiteral("2"));
        QVERIFY(!run.scelta());  // tile 28 is still in cell 32

        click(run.control("cmdsoluzione"));
        expectSolvedBoard(run);
        QCOMPARE(run.lblcont(), QStringLiteral("0"));
        QCOMPARE(run.lbltime(), QStringLiteral("00:00"));
        QVERIFY(!run.tempo()->isActive());
        QVERIFY(run.control<QRadioButton>("optno")->isChecked() && run.control("optsi")->isEnabled());
        QCOMPARE(run.control("cmdcomincia")->toolTip(), QStringLiteral("Comincia"));
        QVERIFY(run.control("cmdaiuto")->isVisible());  // Solution does not hide Help
    }

    void keyboardPlay() {
        Run run;
        QVERIFY(QTest::qWaitForWindowActive(&run.gioco()));
        run.scriptDealInOrder();
        key(Qt::Key_Space);  // Start has the focus
        QCOMPARE(run.cell(30)->text(), QStringLiteral("31"));
        for (int i = 0; i < 2 + 28; ++i) key(Qt::Key_Tab);  // Solution, Exit, cells 1 to 28
        QCOMPARE(focused(), run.cell(28));
        key(Qt::Key_Return);  // 28 down into 32
        QCOMPARE(run.cell(32)->text(), QStringLiteral("28"));
        QCOMPARE(focused(), run.control("cmdsoluzione"));
        run.cell(32)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_Enter);  // keypad Enter: back up
        QCOMPARE(run.cell(28)->text(), QStringLiteral("28"));
        QCOMPARE(run.lblcont(), QStringLiteral("2"));

        // Alt+S clicks Solution wherever the focus is, once Qt has shown the press.
        run.cell(5)->setFocus(Qt::TabFocusReason);
        key(Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(run.lblcont(), QStringLiteral("0"), 5000);
    }

    // A timed game won with Help on screen: all of it a new game window puts back.
    void siLoadsAFreshGameWindow() {
        Run run;
        run.win(61);
        QPointer<ui::frmgioco> old = &run.gioco();
        QPointer<ui::frmscelta> scelta = run.scelta();
        run.program->state().secondi = 42;  // a load leaves it alone

        click(run.endControl("cmdsi"));
        QVERIFY(old->isHidden() && !old->tempo()->isActive() && scelta->isHidden());
        deleteUnloaded();
        QVERIFY(!old && !scelta && !run.scelta());
        QCOMPARE(run.quits, 0);
        QVERIFY(run.gioco().isVisible());
        QCOMPARE(run.lblcont(), QStringLiteral("0"));
        QVERIFY(!run.control("cmdaiuto")->isVisibleTo(&run.gioco()));
        QVERIFY(run.control<QRadioButton>("optno")->isChecked() && !run.tempo()->isActive());
        QCOMPARE(run.program->state().partita, 0);
        QCOMPARE(run.program->state().atempo, 0);
        QCOMPARE(run.program->state().secondi, 42);
    }

    void noAndExitEndTheProgram() {
        Run run;
        run.win(3);
        QPointer<ui::frmgioco> gioco = &run.gioco();
        click(run.endControl("cmdno"));
        QCOMPARE(run.quits, 1);
        QVERIFY(!gioco->tempo()->isActive());
        QVERIFY(!run.program->gioco() && !run.program->scelta());
        deleteUnloaded();
        QVERIFY(!gioco);

        Run exiting;
        exiting.start(true);
        exiting.program->showScelta();  // an end window open too
        click(exiting.control("cmdesci"));
        QCOMPARE(exiting.quits, 1);
        QVERIFY(!exiting.program->gioco() && !exiting.program->scelta());
    }

    void titleBarCloseRunsNoHandler() {
        // The end window: it goes, the game runs on.
        Run run;
        run.win(61);
        QVERIFY(!run.scelta()->close());  // the program unloads it itself
        deleteUnloaded();
        QVERIFY(!run.scelta());
        QCOMPARE(run.quits, 0);
        QCOMPARE(run.lblcont(), QStringLiteral("19"));
        QCOMPARE(run.program->state().partita, 1);
        QVERIFY(run.tempo()->isActive());

        // The game window: the program ends only when no window is left.
        run.clickCell(30);  // a win again
        QTimer* tempo = run.tempo();
        run.gioco().close();
        QVERIFY(!tempo->isActive());
        QVERIFY(!run.program->gioco() && run.scelta() && run.scelta()->isVisible());
        QCOMPARE(run.quits, 0);
        click(run.endControl("cmdsi"));  // loads the game window again
        deleteUnloaded();
        QVERIFY(run.program->gioco() && run.gioco().isVisible() && !run.scelta());
        QCOMPARE(run.quits, 0);
        run.gioco().close();
        QCOMPARE(run.quits, 1);
        QVERIFY(!run.program->gioco());
    }
};

QTEST_MAIN(PlayTest)
#include "ui_play_test.moc"
