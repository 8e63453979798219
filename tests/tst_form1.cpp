// SPDX-License-Identifier: MIT
#include "harness.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestForm1 : public QObject {
    Q_OBJECT

    // Whether any of the label shows in the client area, and whether all of it does.
    static bool rowVisible(Program &program, const QString &field)
    {
        QLabel &label = program.label(field);
        return label.y() < label.parentWidget()->height();
    }
    static bool rowWhole(Program &program, const QString &field)
    {
        QLabel &label = program.label(field);
        return label.geometry().bottom() < label.parentWidget()->height();
    }

  private slots:
    void opensWithItsDesign()
    {
        Program program;
        Form1 &form = program.form1();
        QCOMPARE(form.windowTitle(), QStringLiteral("Tickwell"));
        QCOMPARE(program.first(), QStringLiteral("0:0:0"));
        QCOMPARE(program.second(), QStringLiteral("0:0:0"));
        QVERIFY(program.entry("MnunoBeep").isChecked());
        QVERIFY(!program.entry("MnuBeep").isChecked());
        QVERIFY(program.entry("MnuEnglish").isChecked());
        QVERIFY(!program.entry("MnuFarsi").isChecked());
        QCOMPARE(form.Timer2.interval(), 0);
        QVERIFY(rowVisible(program, "Label1"));
        QVERIFY(!rowVisible(program, "Label6"));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(program.label("Label4").height(), 33);
        QCOMPARE(program.label("Label3").toolTip(),
                 QStringLiteral("First Timer Is Currently Active!"));
        QCOMPARE(program.label("Label9").toolTip(),
                 QStringLiteral("Second Timer Is Currently Active!"));
        QCOMPARE(program.label("Label1").font().pointSizeF(), 21.75);
        QVERIFY(program.label("Label1").font().bold());
        QCOMPARE(program.label("Label1").palette().color(QPalette::WindowText), QColor("#FF80FF"));
        QCOMPARE(program.label("Label5").palette().color(QPalette::WindowText), QColor("#8080FF"));
    }

    void menuTreeInOrder()
    {
        Program program;
        QStringList shown;
        for (QAction *top : program.form1().menuBar()->actions()) {
            shown << top->text();
            for (QAction *item : top->menu()->actions()) {
                shown << QStringLiteral("  ") +
                             (item->isSeparator() ? QStringLiteral("-") : item->text());
                if (item->menu())
                    for (QAction *sub : item->menu()->actions())
                        shown << QStringLiteral("    ") + sub->text() + u' ' +
                                     sub->shortcut().toString();
            }
        }
        const QStringList expected = {"&File",
                                      "  Second Timer",
                                      "    Start F2",
                                      "    Stop F3",
                                      "  -",
                                      "  Language",
                                      "    English Ctrl+E",
                                      "    Farsi Ctrl+F",
                                      "  -",
                                      "  Beep",
                                      "  No Beep",
                                      "  -",
                                      "  &Option",
                                      "    Timer 1 F4",
                                      "    Timer 2 F5",
                                      "  -",
                                      "  E&xit",
                                      "Reset",
                                      "  Timer 1",
                                      "  Timer 2",
                                      "  Both",
                                      "&Help",
                                      "  Help",
                                      "  -",
                                      "  &About"};
        QCOMPARE(shown, expected);
    }

    void firstCounterBeepsBeforeEveryTickWhileMarked()
    {
        Program program;
        Form1 &form = program.form1();
        form.Form1_Timer1_Timer();
        QCOMPARE(program.beeps, 0);
        QCOMPARE(program.first(), QStringLiteral("0:0:1"));
        form.Form1_MnuBeep_Click();
        program.setFirst("59:60:0");
        form.Form1_Timer1_Timer(); // the wrapping tick beeps too
        form.Form1_Timer1_Timer();
        QCOMPARE(program.beeps, 2);
        form.Form1_MnuStart_Click();
        form.Form1_Timer2_Timer();
        QCOMPARE(program.beeps, 2); // the second counter never beeps
        form.Form1_MnunoBeep_Click();
        form.Form1_Timer1_Timer();
        QCOMPARE(program.beeps, 2);
    }

    void cycleMessagesOncePerWrap()
    {
        Program program;
        Form1 &form = program.form1();
        program.setFirst("59:60:0");
        program.setRow({"Label6", "Label7", "Label8"}, "59:60:0");
        form.Form1_Timer1_Timer();
        form.Form1_Timer1_Timer();
        form.Form1_Timer2_Timer();
        QCOMPARE(program.messages,
                 QStringList({"First Timer One Hour Cycle Completed. Timer Will Now Reset!",
                              "Second Timer One Hour Cycle Completed. Timer Will Now Reset!"}));
        QCOMPARE(program.styles.first(), ui::MessageStyle::OkOnly);
        QCOMPARE(program.first(), QStringLiteral("0:0:1"));
        QCOMPARE(program.second(), QStringLiteral("0:0:0"));
    }

    // The menu bar's height changes with the language of its captions; the client area must not.
    void secondRowStaysWholeWhenTheLanguageChanges()
    {
        Program program;
        Form1 &form = program.form1();
        form.Form1_MnuFarsi_Click();
        form.Form1_MnuStart_Click();
        form.Form1_MnuEnglish_Click();
        QCoreApplication::sendPostedEvents();
        QVERIFY(rowWhole(program, "Label8"));
        QCOMPARE(ui::outerHeight(&form), 2430);
        form.Form1_MnuFarsi_Click();
        form.Form1_MnuStop_Click();
        form.Form1_MnuEnglish_Click();
        QCoreApplication::sendPostedEvents();
        QVERIFY(!rowVisible(program, "Label6"));
        QCOMPARE(ui::outerHeight(&form), 1545);
    }

    void startAndStopKeepHeightAndIntervalInStep()
    {
        Program program;
        Form1 &form = program.form1();
        form.Form1_MnuStop_Click(); // stop while stopped
        QCOMPARE(ui::outerHeight(&form), 1545);
        QVERIFY(!rowVisible(program, "Label8"));
        form.Form1_MnuStart_Click();
        for (int i = 0; i < 42; ++i)
            form.Form1_Timer2_Timer();
        form.Form1_MnuStart_Click(); // twice: the count goes on
        QCOMPARE(form.Timer2.interval(), 1000);
        QCOMPARE(ui::outerHeight(&form), 2430);
        QVERIFY(rowWhole(program, "Label8"));
        form.Form1_MnuStop_Click();
        QCOMPARE(form.Timer2.interval(), 0);
        QCOMPARE(program.second(), QStringLiteral("0:0:42"));
        form.Form1_MnuStart_Click();
        form.Form1_Timer2_Timer();
        QCOMPARE(program.second(), QStringLiteral("0:0:43"));
        QCOMPARE(program.first(), QStringLiteral("0:0:0"));
    }

    void secondTimerOptionsOnlyInforms()
    {
        Program program;
        program.form1().Form1_MnuTimer2_Click();
        program.form1().Form1_MnuTimer2_Click();
        QCOMPARE(program.messages,
                 QStringList(2, "There Is No Option Available For Second Timer!"));
        QCOMPARE(program.styles.first(), ui::MessageStyle::OkInformation);
    }

    void shortcutsReachTheirCommands_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QString>("check");
        QTest::newRow("F2 starts") << QKeyCombination(Qt::Key_F2) << "running";
        QTest::newRow("F3 stops") << QKeyCombination(Qt::Key_F3) << "stopped";
        QTest::newRow("Ctrl+B beeps") << (Qt::CTRL | Qt::Key_B) << "beep";
        QTest::newRow("Ctrl+N silences") << (Qt::CTRL | Qt::Key_N) << "silent";
        QTest::newRow("F5 informs") << QKeyCombination(Qt::Key_F5) << "message";
        QTest::newRow("F6 asks") << QKeyCombination(Qt::Key_F6) << "Form6";
        QTest::newRow("F7 asks") << QKeyCombination(Qt::Key_F7) << "Form7";
        QTest::newRow("F8 asks") << QKeyCombination(Qt::Key_F8) << "Form8";
        QTest::newRow("Ctrl+X ends") << (Qt::CTRL | Qt::Key_X) << "ended";
    }
    void shortcutsReachTheirCommands()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QString, check);
        Program program;
        Form1 &form = program.form1();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        if (check == u"stopped")
            form.Form1_MnuStart_Click();
        if (check == u"silent")
            form.Form1_MnuBeep_Click();
        QSignalSpy ended(&program.windows, &ui::Windows::programEnded);
        QTest::keyClick(&form, key.key(), key.keyboardModifiers());
        if (check == u"running" || check == u"stopped")
            QCOMPARE(form.Timer2.interval(), check == u"running" ? 1000 : 0);
        else if (check == u"beep" || check == u"silent")
            QCOMPARE(program.entry("MnuBeep").isChecked(), check == u"beep");
        else if (check == u"message")
            QCOMPARE(program.messages.size(), 1);
        else if (check == u"ended")
            QCOMPARE(ended.count(), 1);
        else
            QVERIFY(program.windows.find(check) && program.windows.find(check)->isVisible());
    }

    void checkMarkPressedTwiceStays()
    {
        Program program;
        Form1 &form = program.form1();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClick(&form, Qt::Key_B, Qt::ControlModifier);
        QVERIFY(program.entry("MnuBeep").isChecked());
        QVERIFY(!program.entry("MnunoBeep").isChecked());
    }

    void shortcutsDoNotReachItFromAnotherWindow()
    {
        Program program;
        program.form1().Form1_MnuRT1_Click();
        QWidget *dialog = program.windows.find("Form6");
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_F2);
        QCOMPARE(program.form1().Timer2.interval(), 0);
    }

    void exitClosesEveryWindowAndNothingRunsAfter()
    {
        Program program;
        Form1 &form = program.form1();
        for (const char *window : {"Form2", "Form3", "Form4", "Form6", "Form7", "Form8"})
            program.windows.show(window);
        form.Form1_MnuStart_Click();
        form.Form1_MnuExit_Click();
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
        program.windows.control<QPushButton>("Form6", "Command1").click();
        form.Timer2.deliverDueTicks();
        program.entry("MnuStop").trigger();
        QCOMPARE(program.first(), QStringLiteral("0:0:0"));
        QCOMPARE(program.second(), QStringLiteral("0:0:0"));
        QCOMPARE(form.Timer2.interval(), 1000);
    }

    void exitWhileMessageOpenRunsNothingMore()
    {
        Program program;
        Form1 &form = program.form1();
        program.windows.messenger = nullptr; // a real modal box
        QTimer::singleShot(0, &form, [&] { form.Form1_MnuExit_Click(); });
        program.setFirst("59:60:0");
        form.Form1_Timer1_Timer();
        QVERIFY(program.windows.ended());
        QVERIFY(!form.isVisible());
        emit form.Timer1.tick(); // a tick that was already due
        QCOMPARE(program.first(), QStringLiteral("0:0:0"));
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
