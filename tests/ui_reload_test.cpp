// A new game loads the game window afresh: what the old windows were made of
// goes with them, round after round.
#include "ui_fixture.h"

using namespace lastrino;
using namespace lastrino::testing;

namespace {

int objectsBelow(const QObject* o) {
    int n = 1;
    for (const QObject* child : o->children()) n += objectsBelow(child);
    return n;
}

// Every object the application and its top-level widgets hold.
int objects() {
    int n = objectsBelow(qApp);
    for (const QWidget* w : QApplication::topLevelWidgets()) n += objectsBelow(w);
    return n;
}

}  // namespace

class ReloadTest : public QObject {
    Q_OBJECT
private slots:
    void newGamesLeaveNothingBehind() {
        Run run;
        int afterFirst = 0;
        for (int round = 1; round <= 20; ++round) {
            run.win(round % 2);  // timed and untimed games in turn
            QVERIFY(run.scelta());
            click(run.endControl("cmdsi"));
            deleteUnloaded();
            QCOMPARE(QApplication::topLevelWidgets(), QWidgetList{&run.gioco()});
            if (round == 1) afterFirst = objects();
            QCOMPARE(objects(), afterFirst);
        }
    }
};

QTEST_MAIN(ReloadTest)
#include "ui_reload_test.moc"
