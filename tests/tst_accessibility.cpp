// SPDX-License-Identifier: MIT
#include "harness.h"

#include <QAccessible>
#include <QMenu>
#include <QtTest>

class TestAccessibility : public QObject {
    Q_OBJECT

    static QString reading(Program &program, const QString &field)
    {
        return QAccessible::queryAccessibleInterface(&program.label(field))
            ->text(QAccessible::Name);
    }

  private slots:
    void init() { QAccessible::setActive(false); }

    void secondsFieldReadsTheWholeCounter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("name");
        QTest::newRow("first counter") << "Label3"
                                       << "First timer";
        QTest::newRow("second counter") << "Label8"
                                        << "Second timer";
    }
    void secondsFieldReadsTheWholeCounter()
    {
        QFETCH(QString, field);
        QFETCH(QString, name);
        Program program;
        QCOMPARE(reading(program, field), name + " 0:0:0");
        program.setFirst("1:59:59");
        program.setRow({"Label6", "Label7", "Label8"}, "0:12:5");
        const QString expected = field == u"Label3" ? "1:59:59" : "0:12:5";
        QCOMPARE(reading(program, field), name + ' ' + expected);
    }

    // With a screen reader running, the labels describe themselves while the window is built.
    void readsAlsoWhenAccessibilityWasActiveFromTheStart()
    {
        QAccessible::setActive(true);
        Program program;
        program.form1().Form1_Timer1_Timer();
        QCOMPARE(reading(program, "Label3"), QStringLiteral("First timer 0:0:1"));
    }

    void otherFieldsKeepTheirText()
    {
        Program program;
        program.setFirst("1:2:3");
        QCOMPARE(reading(program, "Label1"), QStringLiteral("1"));
        QCOMPARE(reading(program, "Label2"), QStringLiteral("2"));
    }

    // Screen readers announce a window by its name; most windows here show no title bar.
    void everyWindowHasAName_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window :
             {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8"})
            QTest::newRow(window) << window;
    }
    void everyWindowHasAName()
    {
        QFETCH(QString, window);
        Program program;
        QAccessibleInterface *described =
            QAccessible::queryAccessibleInterface(&program.windows.get(window));
        QVERIFY(!described->text(QAccessible::Name).isEmpty());
    }

    void checkMarksAreStates()
    {
        Program program;
        auto *menu = program.form1().findChild<QMenu *>("MnuFile");
        QVERIFY(menu);
        QAccessibleInterface *file = QAccessible::queryAccessibleInterface(menu);
        bool found = false;
        for (int i = 0; i < file->childCount(); ++i) {
            QAccessibleInterface *entry = file->child(i);
            if (entry->text(QAccessible::Name) != u"No Beep")
                continue;
            found = true;
            QVERIFY(entry->state().checkable);
            QVERIFY(entry->state().checked);
        }
        QVERIFY(found);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
