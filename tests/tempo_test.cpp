// The timer tempo on a clock of our own: whole periods from the start, no
// drift, catch-up after a hold-up, and no wake-ups while disabled.
#include "ui_fixture.h"

#include <QSignalSpy>

using namespace lastrino;
using namespace lastrino::testing;

class TempoTest : public QObject {
    Q_OBJECT
private slots:
    void periodsCountFromTheStart() {
        qint64 now = 5000;
        ui::Tempo tempo(1000, nullptr, [&now] { return now; });
        QSignalSpy ticks(&tempo, &ui::Tempo::timer);
        QVERIFY(!tempo.isWaiting());
        tempo.setEnabled(true);
        QVERIFY(tempo.isWaiting());
        QCOMPARE(tempo.nextDue(), 6000);
        QCOMPARE(tempo.wakesIn(), 1000);
        for (qint64 at : {6000, 7030, 7990}) {  // on time, late (no drift after), early (nothing)
            now = at;
            tempo.wake();
        }
        QCOMPARE(tempo.nextDue(), 8000);
        QCOMPARE(tempo.wakesIn(), 10);  // aimed at the due time, not a period after the wake-up
        QCOMPARE(ticks.size(), 2);
        QCOMPARE(ticks.at(1).at(0).toULongLong(), 1u);
        now = 11500;  // held up: one wake-up delivers every period missed
        tempo.wake();
        QCOMPARE(ticks.last().at(0).toULongLong(), 4u);
        QCOMPARE(tempo.nextDue(), 12000);
        QCOMPARE(tempo.wakesIn(), 500);

        now = 11700;
        tempo.setEnabled(true);  // already running: the period stays
        QCOMPARE(tempo.nextDue(), 12000);
        tempo.setEnabled(false);
        QVERIFY(!tempo.isWaiting());
        tempo.elapse();
        tempo.wake();
        QCOMPARE(ticks.size(), 3);  // disabled: nothing ticks
        now = 13300;
        tempo.setEnabled(true);  // anew: a new period from now
        QCOMPARE(tempo.nextDue(), 14300);
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
