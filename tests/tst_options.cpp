// SPDX-License-Identifier: MIT
#include "harness.h"
#include "options/form3.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class TestOptions : public QObject {
    Q_OBJECT

    static QRadioButton &option(Program &program, int number)
    {
        return program.windows.control<QRadioButton>("Form3",
                                                     QStringLiteral("Option%1").arg(number));
    }
    static void choose(Program &program, int number)
    {
        QTest::mouseClick(&option(program, number), Qt::LeftButton);
    }
    static QList<QRadioButton *> options(Program &program)
    {
        return program.windows.get("Form3").findChildren<QRadioButton *>();
    }
    static bool noneSelected(Program &program)
    {
        const auto all = options(program);
        return std::none_of(all.cbegin(), all.cend(), [](auto *o) { return o->isChecked(); });
    }
    static QFont digitFont(Program &program) { return program.label("Label2").font(); }

  private slots:
    void opensEmptyWithOkFocusedAndOnlyOnce()
    {
        Program program;
        program.form1().Form1_MnuTimer1_Click();
        QWidget *form3 = program.windows.find("Form3");
        program.form1().Form1_MnuTimer1_Click();
        QCOMPARE(program.windows.find("Form3"), form3);
        QVERIFY(QTest::qWaitForWindowActive(form3));
        QCOMPARE(QApplication::focusWidget(),
                 &program.windows.control<QPushButton>("Form3", "Command1"));
        QCOMPARE(options(program).size(), 31);
        QCOMPARE(form3->findChildren<QButtonGroup *>().size(), 6);
        QVERIFY(noneSelected(program));
        QCOMPARE(form3->size(), QSize(425 + 2, 293 + 2));
    }

    void intervalCaptionsKeepTheirBlanks()
    {
        Program program;
        const QStringList expected = {"1000  (1      Sec)", "500    (0.5   Sec)",
                                      "100    (0.1   Sec)", "50      (0.05 Sec)",
                                      "10      (0.01 Sec)"};
        for (int i = 0; i < 5; ++i)
            QCOMPARE(option(program, 7 + i).text(), expected[i]);
        QCOMPARE(program.windows.control<QGroupBox>("Form3", "Frame2").title(),
                 QStringLiteral("Background"));
    }

    void groupsAreIndependentAndOkForgetsTheMarks()
    {
        Program program;
        program.windows.show("Form3");
        choose(program, 1);
        choose(program, 5);
        QVERIFY(option(program, 1).isChecked() && option(program, 5).isChecked());
        choose(program, 2);
        QVERIFY(!option(program, 1).isChecked());
        program.windows.control<QPushButton>("Form3", "Command1").click();
        QCOMPARE(program.windows.find("Form3"), nullptr);
        Program::flushDeletes();
        program.form1().Form1_MnuTimer1_Click();
        QVERIFY(noneSelected(program));
        QCOMPARE(program.label("Label1").palette().color(QPalette::WindowText), QColor(Qt::red));
    }

    void eachOptionAssigns_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        const std::tuple<int, const char *, QVariant> rows[] = {
            {1, "digits", QColor(0, 0, 255)},
            {2, "digits", QColor(255, 0, 0)},
            {3, "digits", QColor(255, 255, 0)},
            {14, "digits", QColor(255, 255, 255)},
            {15, "digits", QColor(0, 0, 0)},
            {4, "background", QColor(0, 0, 255)},
            {5, "background", QColor(255, 0, 0)},
            {6, "background", QColor(255, 255, 0)},
            {12, "background", QColor(255, 255, 255)},
            {13, "background", QColor(0, 0, 0)},
            {7, "interval", 1000},
            {8, "interval", 500},
            {9, "interval", 100},
            {10, "interval", 50},
            {11, "interval", 10},
            {16, "title", "3"},
            {17, "title", "25"},
            {18, "title", "7"},
            {19, "title", "Vizaded Adede"},
            {20, "face", "Tahoma"},
            {21, "face", "Verdana"},
            {22, "face", "Georgia"},
            {23, "face", "Courier"},
            {24, "face", "Comic Sans MS"},
            {25, "face", "Arial"},
            {26, "face", "Impact"},
            {27, "face", "ms serif"},
            {28, "face", "System"},
            {29, "bold", true},
            {30, "italic", true},
            {31, "underline", true},
        };
        for (const auto &[number, property, expected] : rows)
            QTest::addRow("Option%d %s", number, property) << number << property << expected;
    }
    void eachOptionAssigns()
    {
        QFETCH(int, number);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        Program program;
        program.setFirst("3:25:7");
        program.windows.show("Form3");
        choose(program, number);
        Form1 &form = program.form1();
        const QColor surface = ui::colour(ui::systemColour(0));
        if (property == u"digits") {
            for (const char *field : {"Label1", "Label2", "Label3"})
                QCOMPARE(ui::foreColour(&program.label(field)), expected.value<QColor>());
            QCOMPARE(ui::backColour(&program.label("Label1")), surface);
        } else if (property == u"background") {
            for (const char *field : {"Label1", "Label2", "Label3", "Label4", "Label5"})
                QCOMPARE(ui::backColour(&program.label(field)), expected.value<QColor>());
            QCOMPARE(ui::backColour(&form), expected.value<QColor>());
            QCOMPARE(ui::backColour(&program.label("Label6")), surface);
            QCOMPARE(ui::foreColour(&program.label("Label4")), QColor("#8080FF"));
        } else if (property == u"interval") {
            QCOMPARE(form.Timer1.interval(), expected.toInt());
            QCOMPARE(program.first(), QStringLiteral("3:25:7"));
        } else if (property == u"title") {
            QCOMPARE(form.windowTitle(), expected.toString());
        } else if (property == u"face") {
            QCOMPARE(digitFont(program).families(), QStringList(expected.toString()));
            QCOMPARE(digitFont(program).pointSizeF(), 21.75);
            QCOMPARE(program.label("Label6").font().family(), QStringLiteral("Verdana"));
        } else {
            const QFont font = digitFont(program);
            QCOMPARE(QVariantList({font.bold(), font.italic(), font.underline()}),
                     QVariantList({true, property == u"italic", property == u"underline"}));
        }
    }

    void stylesAddUpAndDefaultPutsThemBack()
    {
        Program program;
        program.windows.show("Form3");
        for (int number : {30, 31, 1, 13, 11, 23, 16})
            choose(program, number);
        QVERIFY(digitFont(program).italic() && digitFont(program).underline());
        QVERIFY(!option(program, 30).isChecked());
        program.form1().Form1_MnuStart_Click();
        program.setFirst("1:2:3");
        program.windows.control<QPushButton>("Form3", "Command2").click();
        Form1 &form = program.form1();
        const QColor surface = ui::colour(ui::systemColour(0));
        QCOMPARE(ui::backColour(&form), surface);
        QCOMPARE(ui::backColour(&program.label("Label4")), surface);
        QCOMPARE(ui::foreColour(&program.label("Label3")), QColor("#FF80FF"));
        QCOMPARE(form.Timer1.interval(), 1000);
        QCOMPARE(form.windowTitle(), QStringLiteral("Vizaded Adede"));
        QCOMPARE(digitFont(program).families(), QStringList("Verdana"));
        QVERIFY(!digitFont(program).italic() && !digitFont(program).underline());
        QVERIFY(digitFont(program).bold());
        QCOMPARE(program.first(), QStringLiteral("1:2:3"));
        QCOMPARE(form.Timer2.interval(), 1000);
        QVERIFY(option(program, 31).isChecked() && option(program, 16).isChecked());
    }

    void fieldIsCopiedOnceAndAgainOnAnotherChoice()
    {
        Program program;
        program.windows.show("Form3");
        choose(program, 18);
        program.form1().Form1_Timer1_Timer();
        QCOMPARE(program.form1().windowTitle(), QStringLiteral("0"));
        choose(program, 18); // chosen again: copied anew
        QCOMPARE(program.form1().windowTitle(), QStringLiteral("1"));
    }

    void defaultWritesEnglishTitleWhateverTheLanguageMark()
    {
        Program program;
        ui::setChecked(&program.entry("MnuEnglish"), false);
        ui::setChecked(&program.entry("MnuFarsi"), true);
        program.windows.get<Form3>("Form3").Form3_Command2_Click();
        QCOMPARE(program.form1().windowTitle(), QStringLiteral("Vizaded Adede"));
    }

    void keyboardSelectionRunsTheOption()
    {
        Program program;
        program.windows.show("Form3");
        QVERIFY(QTest::qWaitForWindowActive(program.windows.find("Form3")));
        option(program, 7).setFocus();
        QTest::keyClick(&option(program, 7), Qt::Key_Space);
        QTest::keyClick(&option(program, 7), Qt::Key_Down);
        QVERIFY(option(program, 8).isChecked());
        QCOMPARE(program.form1().Timer1.interval(), 500);
    }
};

QTEST_MAIN(TestOptions)
#include "tst_options.moc"
