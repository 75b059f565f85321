// The timer tempo on a clock of our own: whole periods from the start, no
// drift, catch-up after a hold-up, and no wake-ups while disabled.
#include "ui_fixture.h"

#include <QSignalSpy>

using namespace lastrino;
using namespace lastrino::testing;

class TempoTest : public QObject {
    Q_OBJECT
private slots:
    void ticksAreCountedFromTheStartWithoutDrift() {
        qint64 now = 5000;
        ui::Tempo tempo(1000, nullptr, [&now] { return now; });
        QSignalSpy ticks(&tempo, &ui::Tempo::timer);
        QVERIFY(!tempo.isWaiting());
        tempo.setEnabled(true);
        QVERIFY(tempo.isWaiting());
        QCOMPARE(tempo.nextDue(), 6000);

        now = 6000;
        tempo.wake();
        // A late wake-up does not push the later ticks back.
        now = 7030;
        tempo.wake();
        QCOMPARE(tempo.nextDue(), 8000);
        // An early one delivers nothing and waits again.
        now = 7990;
        tempo.wake();
        QCOMPARE(ticks.size(), 2);
        QCOMPARE(ticks.at(0).at(0).toULongLong(), 1u);
        QCOMPARE(ticks.at(1).at(0).toULongLong(), 1u);
        QVERIFY(tempo.isWaiting());

        // Held up for several periods: one wake-up delivers them all.
        now = 11500;
        tempo.wake();
        QCOMPARE(ticks.size(), 3);
        QCOMPARE(ticks.at(2).at(0).toULongLong(), 4u);
        QCOMPARE(tempo.nextDue(), 12000);
    }

    void enablingARunningTimerKeepsItsPeriod() {
        qint64 now = 0;
        ui::Tempo tempo(1000, nullptr, [&now] { return now; });
        tempo.setEnabled(true);
        now = 700;
        tempo.setEnabled(true);
        QCOMPARE(tempo.nextDue(), 1000);
        tempo.setEnabled(false);
        QVERIFY(!tempo.isWaiting());
        QCOMPARE(tempo.nextDue(), -1);
        QSignalSpy ticks(&tempo, &ui::Tempo::timer);
        tempo.elapse();
        tempo.wake();
        QCOMPARE(ticks.size(), 0);  // disabled: nothing ticks
        now = 1300;
        tempo.setEnabled(true);  // enabled anew: a new period from now
        QCOMPARE(tempo.nextDue(), 2300);
    }

    void theGameClockCatchesUp() {
        Run run;
        run.click(run.control("optsi"));
        run.start();
        run.gioco().tempo()->elapse(59);
        QCOMPARE(run.lbltime(), QStringLiteral("00:59"));
        run.gioco().tempo()->elapse();
        QCOMPARE(run.lbltime(), QStringLiteral("01:00"));
        run.gioco().tempo()->elapse(5999 - 60);
        QCOMPARE(run.lbltime(), QStringLiteral("99:59"));
        run.gioco().tempo()->elapse();
        QCOMPARE(run.lbltime(), QStringLiteral("100:00"));
        QVERIFY(run.gioco().tempo()->isEnabled());
    }

    void anIdleUntimedGameSetsNoTimer() {
        Run run;
        QVERIFY(!run.gioco().tempo()->isWaiting());
        run.start();
        for (int c : {28, 27}) run.clickCell(c);
        QVERIFY(!run.gioco().tempo()->isEnabled());
        QVERIFY(!run.gioco().tempo()->isWaiting());
        run.gioco().tempo()->elapse();  // a disabled timer never ticks
        QCOMPARE(run.lbltime(), QStringLiteral("00:00"));
    }
};

QTEST_MAIN(TempoTest)
#include "tempo_test.moc"
