// The timer tempo on a clock of our own: wake-ups aimed at the due periods,
// catch-up after a hold-up, and no wake-ups while disabled.
#include "ui_fixture.h"

#include <QSignalSpy>

using namespace lastrino;
using namespace lastrino::testing;

class TempoTest : public QObject {
    Q_OBJECT
private slots:
    void wakesAtTheDueTimes() {
        qint64 now = 5000;
        ui::Tempo tempo(1000, nullptr, [&now] { return now; });
        QSignalSpy ticks(&tempo, &ui::Tempo::timer);
        QVERIFY(!tempo.isWaiting());
        tempo.setEnabled(true);
        QVERIFY(tempo.isWaiting());
        QCOMPARE(tempo.wakesIn(), 1000);
        now = 7030;  // late: both periods at once, and the next wake-up not put off
        tempo.wake();
        QCOMPARE(ticks.last().at(0).toULongLong(), 2u);
        QCOMPARE(tempo.wakesIn(), 970);

        now = 7700;
        tempo.setEnabled(true);  // already running: the period stays
        QCOMPARE(tempo.nextDue(), 8000);
        tempo.setEnabled(false);
        QVERIFY(!tempo.isWaiting());
        tempo.elapse();
        tempo.wake();
        QCOMPARE(ticks.size(), 1);  // disabled: nothing ticks
    }

    void theGameClock() {
        Run run;
        QVERIFY(!run.tempo()->isWaiting());
        run.start();
        run.clickCell(28);
        QVERIFY(!run.tempo()->isEnabled() && !run.tempo()->isWaiting());  // untimed: no timer set
        run.tempo()->elapse();
        QCOMPARE(run.lbltime(), QStringLiteral("00:00"));

        Run timed;
        timed.start(true);
        QVERIFY(timed.tempo()->isWaiting());
        QCOMPARE(timed.tempo()->interval(), 1000);
        timed.tempo()->elapse(59);  // periods missed come in one tick
        QCOMPARE(timed.lbltime(), QStringLiteral("00:59"));
        timed.tempo()->elapse(6000 - 59);
        QCOMPARE(timed.lbltime(), QStringLiteral("100:00"));
    }
};

QTEST_MAIN(TempoTest)
#include "tempo_test.moc"
