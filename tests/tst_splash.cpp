// SPDX-License-Identifier: MIT
#include "app/form5.h"
#include "app/program.h"
#include "stopwatch/form1.h"
#include "ui/design.h"
#include "ui/windows.h"

#include <QLabel>
#include <QtTest>

class TestSplash : public QObject {
    Q_OBJECT

  private slots:
    void startShowsOnlyTheSplash()
    {
        ui::Windows windows;
        app::defineWindows(windows);
        app::start(windows);
        QWidget *splash = windows.find("Form5");
        QVERIFY(splash && splash->isVisible());
        QCOMPARE(windows.find("Form1"), nullptr);
        QCOMPARE(QApplication::topLevelWidgets().size(), 1);
        auto &form5 = windows.get<Form5>("Form5");
        QVERIFY(form5.Timer1.isSingleShot());
        QCOMPARE(form5.Timer1.interval(), 2000);
        QCOMPARE(form5.Timer1.timerType(), Qt::PreciseTimer);
        QCOMPARE(ui::caption(&windows.control<QLabel>("Form5", "Label1")),
                 QStringLiteral("Tickwell v1.7"));
        QCOMPARE(splash->size(), QSize(310 + 2, 197 + 2));
        QCOMPARE(windows.control<QLabel>("Form5", "Image1").pixmap().size(), QSize(154, 140));
    }

    void handOverUnloadsTheSplashBeforeTheMainWindowExists()
    {
        ui::Windows windows;
        app::defineWindows(windows);
        int created = 0;
        bool splashGone = false;
        windows.define("Form1", [&](ui::Windows &w) {
            ++created;
            splashGone = !w.find("Form5");
            return new Form1(w);
        });
        app::start(windows);
        windows.get<Form5>("Form5").Form5_Timer1_Timer();
        QVERIFY(splashGone);
        QCOMPARE(created, 1);
        QCOMPARE(windows.find("Form5"), nullptr);
        QVERIFY(windows.find("Form1")->isVisible());
        QCOMPARE(windows.get<Form1>("Form1").Timer1.interval(), 1000);
        QCOMPARE(ui::caption(&windows.control<QLabel>("Form1", "Label3")), QStringLiteral("0"));
    }

    void clicksAndKeysOnTheSplashDoNothing()
    {
        ui::Windows windows;
        app::defineWindows(windows);
        app::start(windows);
        QWidget *splash = windows.find("Form5");
        QTest::mouseClick(splash, Qt::LeftButton);
        QTest::keyClick(splash, Qt::Key_Escape);
        QTest::keyClick(splash, Qt::Key_Return);
        splash->close(); // even the window manager cannot close it
        QCOMPARE(windows.find("Form5"), splash);
        QVERIFY(splash->isVisible());
        QCOMPARE(windows.find("Form1"), nullptr);
    }

    // The real timer, under the real event loop: one hand-over, and the program keeps running
    // through the moment when no window is open.
    void realHandOverKeepsTheProgramRunning()
    {
        ui::Windows windows;
        app::defineWindows(windows);
        int shownMainWindows = 0;
        app::start(windows);
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            if (windows.find("Form1") && windows.find("Form1")->isVisible() &&
                !windows.find("Form5")) {
                ++shownMainWindows;
                QCoreApplication::exit(0);
            }
        });
        probe.start(10);
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(shownMainWindows, 1);
    }
};

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
