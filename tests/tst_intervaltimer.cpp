// SPDX-License-Identifier: MIT
#include "ui/intervaltimer.h"

#include <QSignalSpy>
#include <QtTest>

class TestIntervalTimer : public QObject {
    Q_OBJECT
    qint64 now = 1'000'000;

    void startAt(ui::IntervalTimer &timer, int interval)
    {
        timer.setClock([this] { return now; });
        timer.setInterval(interval);
    }

  private slots:
    void lateTimeoutDeliversEveryElapsedInterval_data()
    {
        QTest::addColumn<int>("interval");
        QTest::addColumn<int>("late");
        QTest::addColumn<int>("ticks");
        QTest::newRow("on time") << 1000 << 1000 << 1;
        QTest::newRow("held up 3.5 intervals") << 1000 << 3500 << 3;
        QTest::newRow("10 ms held a second") << 10 << 1000 << 100;
        QTest::newRow("timeout a hair early still ticks") << 1000 << 999 << 1;
    }
    void lateTimeoutDeliversEveryElapsedInterval()
    {
        QFETCH(int, interval);
        QFETCH(int, late);
        QFETCH(int, ticks);
        ui::IntervalTimer timer;
        startAt(timer, interval);
        QSignalSpy spy(&timer, &ui::IntervalTimer::tick);
        now += late;
        timer.deliverDueTicks();
        QCOMPARE(spy.count(), ticks);
    }

    void countFollowsTheClockNotTheTimeouts()
    {
        ui::IntervalTimer timer;
        startAt(timer, 100);
        QSignalSpy spy(&timer, &ui::IntervalTimer::tick);
        for (int step : {100, 250, 40, 10, 100, 500}) { // 1000 ms in all
            now += step;
            timer.deliverDueTicks();
        }
        QCOMPARE(spy.count(), 10);
    }

    void sameIntervalKeepsThePhaseNewOneRestartsIt()
    {
        ui::IntervalTimer timer;
        startAt(timer, 1000);
        QSignalSpy spy(&timer, &ui::IntervalTimer::tick);
        now += 600;
        timer.setInterval(1000);
        now += 400;
        timer.deliverDueTicks();
        QCOMPARE(spy.count(), 1);
        timer.setInterval(500);
        now += 500;
        timer.deliverDueTicks();
        QCOMPARE(spy.count(), 2);
    }

    void stoppedTimerNeverTicks()
    {
        ui::IntervalTimer timer;
        startAt(timer, 10);
        timer.setInterval(0);
        QSignalSpy spy(&timer, &ui::IntervalTimer::tick);
        now += 5000;
        timer.deliverDueTicks();
        QCOMPARE(spy.count(), 0);
    }

    void handlerThatStopsTheTimerEndsTheCatchUp()
    {
        ui::IntervalTimer timer;
        startAt(timer, 10);
        int ticks = 0;
        connect(&timer, &ui::IntervalTimer::tick, this, [&] {
            if (++ticks == 3)
                timer.setInterval(0);
        });
        now += 1000;
        timer.deliverDueTicks();
        QCOMPARE(ticks, 3);
    }
};

QTEST_MAIN(TestIntervalTimer)
#include "tst_intervaltimer.moc"
