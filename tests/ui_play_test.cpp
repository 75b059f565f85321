// What the transcripts cannot say of the Qt windows: what a screen reader
// hears, and new games that leave nothing behind.
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
    // What a screen reader hears of Start and of the cells after a move.
    void namesFollowTheGame() {
        Run run;
        run.scriptDealInOrder();
        click(run.control("cmdcomincia"));
        QCOMPARE(run.control("cmdcomincia")->accessibleName(), QStringLiteral("Ricomincia"));
        run.clickCell(28);
        QCOMPARE(run.cell(32)->accessibleName(), QStringLiteral("28"));
        QCOMPARE(run.cell(28)->accessibleName(), QStringLiteral("vuota"));
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
