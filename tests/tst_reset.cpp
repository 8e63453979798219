// SPDX-License-Identifier: MIT
#include "harness.h"
#include "stopwatch/resetconfirmation.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestReset : public QObject {
    Q_OBJECT

    static QPushButton &button(Program &program, const QString &dialog, const QString &name)
    {
        return program.windows.control<QPushButton>(dialog, name);
    }

  private slots:
    void okClearsItsFieldsOnly_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("Form6 first counter") << "Form6"
                                             << "0:0:0"
                                             << "1:2:3";
        QTest::newRow("Form7 second counter") << "Form7"
                                              << "4:5:6"
                                              << "0:0:0";
        QTest::newRow("Form8 both") << "Form8"
                                    << "0:0:0"
                                    << "0:0:0";
    }
    void okClearsItsFieldsOnly()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, first);
        QFETCH(QString, second);
        Program program;
        program.setFirst("4:5:6");
        program.setRow({"Label6", "Label7", "Label8"}, "1:2:3");
        program.windows.show(dialog);
        QTest::mouseClick(&button(program, dialog, "Command1"), Qt::LeftButton);
        QCOMPARE(program.first(), first);
        QCOMPARE(program.second(), second);
        QCOMPARE(program.windows.find(dialog), nullptr);
        QCOMPARE(program.form1().Timer2.interval(), 0); // timers untouched
        Program::flushDeletes();
    }

    void cancelOnlyCloses()
    {
        Program program;
        program.setFirst("4:5:6");
        program.form1().Form1_MnuRT1_Click();
        QTest::mouseClick(&button(program, "Form6", "Command2"), Qt::LeftButton);
        QCOMPARE(program.first(), QStringLiteral("4:5:6"));
        QCOMPARE(program.windows.find("Form6"), nullptr);
        Program::flushDeletes();
    }

    void oneDialogPerCommandAndTicksGoOnMeanwhile()
    {
        Program program;
        Form1 &form = program.form1();
        form.Form1_MnuRT1_Click();
        QWidget *dialog = program.windows.find("Form6");
        form.Form1_MnuRT1_Click();
        form.Form1_MnuRT2_Click();
        QCOMPARE(program.windows.find("Form6"), dialog);
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.cbegin(), windows.cend(),
                               [](const QWidget *w) { return w->objectName() == u"Form6"; }),
                 1);
        form.Form1_Timer1_Timer();
        QCOMPARE(program.first(), QStringLiteral("0:0:1"));
        QTest::mouseClick(&button(program, "Form7", "Command1"), Qt::LeftButton);
        QVERIFY(program.windows.find("Form6")->isVisible());
    }

    void resetDropsAPendingMinuteCarry()
    {
        Program program;
        program.setFirst("0:59:59");
        program.form1().Form1_Timer1_Timer();
        QCOMPARE(program.first(), QStringLiteral("0:60:0"));
        program.windows.show("Form6");
        button(program, "Form6", "Command1").click();
        program.form1().Form1_Timer1_Timer();
        QCOMPARE(program.first(), QStringLiteral("0:0:1"));
    }

    void okHasTheFocusAndEscapeDoesNothing()
    {
        Program program;
        program.windows.show("Form8");
        QWidget *dialog = program.windows.find("Form8");
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QCOMPARE(QApplication::focusWidget(), &button(program, "Form8", "Command1"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        QCOMPARE(program.windows.find("Form8"), dialog);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); // presses the focused OK
        QCOMPARE(program.windows.find("Form8"), nullptr);
    }

    void enterPressesTheFocusedButtonNotADefaultOne()
    {
        Program program;
        program.setFirst("4:5:6");
        program.windows.show("Form6");
        QVERIFY(QTest::qWaitForWindowActive(program.windows.find("Form6")));
        button(program, "Form6", "Command2").setFocus();
        QTest::keyClick(&button(program, "Form6", "Command2"), Qt::Key_Return);
        QCOMPARE(program.windows.find("Form6"), nullptr);
        QCOMPARE(program.first(), QStringLiteral("4:5:6"));
    }

    void designOfTheDialogs()
    {
        Program program;
        QWidget &form6 = program.windows.get("Form6");
        QWidget &form8 = program.windows.get("Form8");
        QCOMPARE(form6.size(), QSize(161 + 2, 64 + 2)); // client area inside a 1-pixel border
        QCOMPARE(form8.width(), 155 + 2);
        QVERIFY(form6.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(ui::caption(&program.windows.control<QLabel>("Form6", "Label1")),
                 QStringLiteral("Are You Sure ?"));
        QCOMPARE(program.windows.control<QLabel>("Form6", "Label1").geometry(),
                 QRect(17, 9, 129, 17));
    }
};

QTEST_MAIN(TestReset)
#include "tst_reset.moc"
