// SPDX-License-Identifier: MIT
#include "stopwatch/counter.h"
#include "ui/design.h"

#include <QLabel>
#include <QtTest>

using stopwatch::advance;

class TestCounter : public QObject {
    Q_OBJECT
    QLabel hour, minute, second;
    stopwatch::CounterFields fields{&hour, &minute, &second};

    QString shown() const { return hour.text() + u':' + minute.text() + u':' + second.text(); }
    void set(const QString &hms)
    {
        const QStringList parts = hms.split(u':');
        hour.setText(parts[0]);
        minute.setText(parts[1]);
        second.setText(parts[2]);
    }

  private slots:
    void sequenceFromZero_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("wraps");
        QTest::newRow("first tick") << 1 << "0:0:1" << 0;
        QTest::newRow("59") << 59 << "0:0:59" << 0;
        QTest::newRow("60 carries, never 0:0:60") << 60 << "0:1:0" << 0;
        QTest::newRow("3599") << 3599 << "0:59:59" << 0;
        QTest::newRow("3600 shows minute 60") << 3600 << "0:60:0" << 0;
        QTest::newRow("3601 carries into the hour") << 3601 << "1:0:1" << 0;
        QTest::newRow("7201 second hour") << 7201 << "2:0:1" << 0;
        QTest::newRow("216000") << 216000 << "59:60:0" << 0;
        QTest::newRow("216001 wraps") << 216001 << "0:0:0" << 1;
        QTest::newRow("216002 counts on") << 216002 << "0:0:1" << 1;
        QTest::newRow("second cycle as long") << 432002 << "0:0:0" << 2;
    }
    void sequenceFromZero()
    {
        QFETCH(int, ticks);
        QFETCH(QString, expected);
        QFETCH(int, wraps);
        set("0:0:0");
        int wrapped = 0;
        for (int i = 0; i < ticks; ++i)
            wrapped += advance(fields) ? 1 : 0;
        QCOMPARE(shown(), expected);
        QCOMPARE(wrapped, wraps);
    }

    void oneTick_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::addColumn<bool>("wrapped");
        QTest::newRow("plain") << "3:17:41"
                               << "3:17:42" << false;
        QTest::newRow("minute waits a tick") << "3:59:59"
                                             << "3:60:0" << false;
        QTest::newRow("pending carry lands") << "3:60:0"
                                             << "4:0:1" << false;
        QTest::newRow("hour 60 wraps") << "59:60:0"
                                       << "0:0:0" << true;
        QTest::newRow("reset drops the carry") << "0:0:0"
                                               << "0:0:1" << false;
    }
    void oneTick()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(bool, wrapped);
        set(before);
        QCOMPARE(advance(fields), wrapped);
        QCOMPARE(shown(), after);
    }

    void fieldTextIsPlainDecimal()
    {
        set("0:0:9");
        advance(fields);
        QCOMPARE(second.text(), QStringLiteral("10")); // no padding, no exponent, no sign
    }
};

QTEST_MAIN(TestCounter)
#include "tst_counter.moc"
