// What the transcripts cannot say of the Qt windows: play by keyboard and
// what a screen reader hears of it, the title bars' close buttons, and new
// games that leave nothing behind.
#include "ui_fixture.h"

using namespace lastrino;
using namespace lastrino::testing;

namespace {

// Every object the application and its top-level widgets hold.
int objectsBelow(const QObject* o) {
    int n = 1;
    for (const QObject* child : o->children()) n += objectsBelow(child);
    return n;
}
int objects() {
    int n = objectsBelow(qApp);
    for (const QWidget* w : QApplication::topLevelWidgets()) n += objectsBelow(w);
    return n;
}

}  // namespace

class PlayTest : public QObject {
    Q_OBJECT
private slots:
    void keyboardPlay() {
        Run run;
        QVERIFY(QTest::qWaitForWindowActive(&run.gioco()));
        run.scriptDealInOrder();
        key(Qt::Key_Space);  // Start has the focus
        QCOMPARE(run.cell(30)->text(), QStringLiteral("31"));
        QCOMPARE(run.control("cmdcomincia")->accessibleName(), QStringLiteral("Ricomincia"));
        for (int i = 0; i < 2 + 28; ++i) key(Qt::Key_Tab);  // Solution, Exit, cells 1 to 28
        QCOMPARE(focused(), run.cell(28));
        key(Qt::Key_Return);  // 28 down into 32
        QCOMPARE(run.cell(32)->text(), QStringLiteral("28"));
        // A screen reader hears the cells by their new tiles.
        QCOMPARE(run.cell(32)->accessibleName(), QStringLiteral("28"));
        QCOMPARE(run.cell(28)->accessibleName(), QStringLiteral("vuota"));
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

    void titleBarCloseRunsNoHandler() {
        // The game window: it goes with its timer, and the program runs on
        // while the end window is open.
        Run run;
        run.win(true);
        QTimer* tempo = run.tempo();
        run.gioco().close();
        QVERIFY(!tempo->isActive());
        QVERIFY(!run.program->gioco() && run.scelta() && run.scelta()->isVisible());
        QCOMPARE(run.quits, 0);
        // The end window: it goes, and with no window left the program ends.
        QVERIFY(!run.scelta()->close());  // the program unloads it itself
        deleteUnloaded();
        QVERIFY(!run.scelta());
        QCOMPARE(run.quits, 1);
    }

    void newGamesLeaveNothingBehind() {
        Run run;
        int afterFirst = 0;
        for (int round = 1; round <= 20; ++round) {
            run.win(round % 2);  // timed and untimed games in turn
            QPointer<ui::frmgioco> old = &run.gioco();
            click(run.endControl("cmdsi"));
            QVERIFY(!old->tempo()->isActive());  // stopped at once, though deleted later
            deleteUnloaded();
            QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{&run.gioco()});
            if (round == 1) afterFirst = objects();
            QCOMPARE(objects(), afterFirst);
        }
    }
};

QTEST_MAIN(PlayTest)
#include "ui_play_test.moc"
