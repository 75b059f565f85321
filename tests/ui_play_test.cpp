// Whole games played with the mouse and the keyboard on the real windows.
#include "ui_fixture.h"

using namespace lastrino;
using namespace lastrino::testing;

namespace {

QStringList labels(const Run& run) {
    QStringList out;
    for (int n = 1; n <= cells; ++n) out << run.cell(n)->text();
    return out;
}

void expectSolvedBoard(const Run& run) {
    for (int n = 1; n <= tiles; ++n) {
        QCOMPARE(run.cell(n)->text(), QString::number(n));
        QCOMPARE(run.cell(n)->face(), tileColour(n));
    }
    QCOMPARE(run.cell(cells)->text(), QString());
    QCOMPARE(run.cell(cells)->face(), colvuoto);
}

}  // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void untimedGameFromStartToWin() {
        Run run;
        auto* help = run.control("cmdaiuto");
        run.start();
        QCOMPARE(run.program->state().partita, 1);
        QCOMPARE(run.control("cmdcomincia")->toolTip(), QStringLiteral("Ricomincia"));
        QVERIFY(!run.control("optsi")->isEnabled() && !run.control("optno")->isEnabled());
        QVERIFY(!run.gioco().tempo()->isEnabled());
        // The scripted deal: 1 to 29 home, 30 and 31 exchanged, each in its tile's colour.
        QCOMPARE(run.cell(30)->text(), QStringLiteral("31"));
        QCOMPARE(run.cell(31)->text(), QStringLiteral("30"));
        QCOMPARE(run.cell(30)->face(), tileColour(31));
        QCOMPARE(run.cell(32)->face(), colvuoto);

        for (std::size_t i = 0; i < winningClicks.size(); ++i) {
            run.clickCell(winningClicks[i]);
            QCOMPARE(run.lblcont(), QString::number(i + 1));
            // Every click leaves the focus on Solution.
            QCOMPARE(run.gioco().focusWidget(), run.control("cmdsoluzione"));
            if (i == 0) QVERIFY(help->isVisible());  // 28 in place
            if (i + 1 < winningClicks.size()) QVERIFY(!run.scelta());
        }
        expectSolvedBoard(run);
        QVERIFY(run.scelta());
        QVERIFY(run.scelta()->isVisible());
        QCOMPARE(run.scelta()->message(), QStringLiteral("Hai vinto in 19 mosse!"));
        // The game window stays loaded, visible and playable behind it.
        QVERIFY(run.gioco().isVisible());
        QCOMPARE(run.program->state().partita, 1);
        QCOMPARE(run.lbltime(), QStringLiteral("00:00"));
        QCOMPARE(run.quits, 0);
    }

    void timedWinQuotesTheClockThatKeepsRunning() {
        Run run;
        run.click(run.control("optsi"));
        QCOMPARE(run.program->state().atempo, 1);
        QVERIFY(!run.gioco().tempo()->isEnabled());  // the choice alone starts nothing
        run.start();
        ui::Tempo* tempo = run.gioco().tempo();
        QVERIFY(tempo->isEnabled() && tempo->isWaiting());
        QCOMPARE(tempo->interval(), 1000);
        tempo->elapse(207);
        QCOMPARE(run.lbltime(), QStringLiteral("03:27"));
        for (int c : winningClicks) run.clickCell(c);
        QVERIFY(run.scelta());
        QCOMPARE(run.scelta()->message(), QStringLiteral("Hai vinto in 19 mosse e con un tempo di 03:27!"));
        tempo->elapse();
        QCOMPARE(run.lbltime(), QStringLiteral("03:28"));
        QCOMPARE(run.scelta()->message(), QStringLiteral("Hai vinto in 19 mosse e con un tempo di 03:27!"));

        // A further click with all in place loads a new window with the new time.
        QPointer<ui::frmscelta> first = run.scelta();
        run.clickCell(30);  // no empty neighbour: nothing moves, the count runs
        deleteUnloaded();
        QVERIFY(!first);
        QVERIFY(run.scelta());
        QCOMPARE(run.scelta()->message(), QStringLiteral("Hai vinto in 19 mosse e con un tempo di 03:28!"));
    }

    void helpShownAtTwentyEightExchangesThirtyAndThirtyOne() {
        Run run;
        auto* help = run.control("cmdaiuto");
        run.start();
        QVERIFY(!help->isVisible());
        run.clickCell(28);  // tile 28 down into cell 32: 28 in place
        QVERIFY(help->isVisible());
        QCOMPARE(help->geometry(), QRect(264, 360, 41, 41));
        run.click(help);
        QCOMPARE(run.cell(30)->text(), QStringLiteral("30"));
        QCOMPARE(run.cell(31)->text(), QStringLiteral("31"));
        QCOMPARE(run.cell(30)->face(), tileColour(30));
        QCOMPARE(run.lblcont(), QStringLiteral("2"));
        QVERIFY(!run.scelta());  // 30 in place: tile 28 is still in cell 32
    }

    void clicksBeforeStartOnlyMoveTheFocus() {
        Run run;
        const QStringList before = labels(run);
        run.clickCell(31);
        QCOMPARE(labels(run), before);
        QCOMPARE(run.lblcont(), QStringLiteral("0"));
        QCOMPARE(run.gioco().focusWidget(), run.control("cmdsoluzione"));
    }

    void solutionRestoresTheStartState() {
        Run run;
        run.click(run.control("optsi"));
        run.start();
        run.gioco().tempo()->elapse(5);
        run.clickCell(28);
        run.click(run.control("cmdsoluzione"));
        expectSolvedBoard(run);
        QCOMPARE(run.lblcont(), QStringLiteral("0"));
        QCOMPARE(run.lbltime(), QStringLiteral("00:00"));
        QVERIFY(!run.gioco().tempo()->isEnabled() && !run.gioco().tempo()->isWaiting());
        QVERIFY(qobject_cast<QRadioButton*>(run.control("optno"))->isChecked());
        QVERIFY(run.control("optsi")->isEnabled() && run.control("optno")->isEnabled());
        QCOMPARE(run.control("cmdcomincia")->toolTip(), QStringLiteral("Comincia"));
        QVERIFY(run.control("cmdaiuto")->isVisible());  // Solution does not hide Help
        QCOMPARE(run.program->state().atempo, 0);
    }

    void keyboardPlay() {
        Run run;
        ui::frmgioco& w = run.gioco();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        run.scriptDealInOrder();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);  // Start has the focus
        QCOMPARE(run.program->state().partita, 1);
        QCOMPARE(run.cell(30)->text(), QStringLiteral("31"));

        // Tab from Start: Solution, Exit, then the cells in order up to 28.
        for (int i = 0; i < 2 + 28; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), run.cell(28));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);  // 28 down into 32
        QCOMPARE(run.cell(32)->text(), QStringLiteral("28"));
        QCOMPARE(run.lblcont(), QStringLiteral("1"));
        QCOMPARE(QApplication::focusWidget(), run.control("cmdsoluzione"));

        run.cell(32)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);  // keypad Enter: back up
        QCOMPARE(run.cell(28)->text(), QStringLiteral("28"));
        QCOMPARE(run.lblcont(), QStringLiteral("2"));

        // Alt+S is Solution's access key, wherever the focus is. Qt shows the
        // press for a moment before it clicks, so the click comes from the loop.
        run.cell(5)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(&w, Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE_WITH_TIMEOUT(run.program->state().partita, 0, 5000);
        QCOMPARE(run.lblcont(), QStringLiteral("0"));
        expectSolvedBoard(run);

        // The option group by keyboard: an arrow selects "Sì" and runs its handler.
        run.control("optno")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QVERIFY(qobject_cast<QRadioButton*>(run.control("optsi"))->isChecked());
        QCOMPARE(run.program->state().atempo, 1);
    }

    void startTwiceDealsAgainWithoutAWin() {
        Run run;
        run.start();
        run.clickCell(28);
        run.random->push(0.99);  // first draw: cell 31 gets tile 1
        run.click(run.control("cmdcomincia"));
        QCOMPARE(run.lblcont(), QStringLiteral("0"));
        QCOMPARE(run.cell(31)->text(), QStringLiteral("1"));
        QCOMPARE(run.cell(32)->text(), QString());
        QVERIFY(!run.scelta());
        QStringList seen = labels(run);
        seen.removeAll(QString());
        seen.sort();
        QStringList all;
        for (int t = 1; t <= tiles; ++t) all << QString::number(t);
        all.sort();
        QCOMPARE(seen, all);
    }
};

QTEST_MAIN(PlayTest)
#include "ui_play_test.moc"
