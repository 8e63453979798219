// SPDX-License-Identifier: MIT
#include "harness.h"

#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

class TestCards : public QObject {
    Q_OBJECT

  private slots:
    void oneWindowEachAndItsButtonClosesOnlyIt_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("help, F1") << "Form2" << QKeyCombination(Qt::Key_F1);
        QTest::newRow("about, Ctrl+A") << "Form4" << (Qt::CTRL | Qt::Key_A);
    }
    void oneWindowEachAndItsButtonClosesOnlyIt()
    {
        QFETCH(QString, card);
        QFETCH(QKeyCombination, key);
        Program program;
        Form1 &form = program.form1();
        form.Form1_MnuRT2_Click();
        for (int i = 0; i < 2; ++i) {
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTest::keyClick(&form, key.key(), key.keyboardModifiers());
        }
        QWidget *window = program.windows.find(card);
        QVERIFY(window && window->isVisible());
        const QWidgetList all = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(all.cbegin(), all.cend(),
                               [&](const QWidget *w) { return w->objectName() == card; }),
                 1);
        QTest::mouseClick(&program.windows.control<QPushButton>(card, "Command1"), Qt::LeftButton);
        QCOMPARE(program.windows.find(card), nullptr);
        QVERIFY(program.windows.find("Form7")->isVisible());
        QVERIFY(form.isVisible());
        QCOMPARE(program.first(), QStringLiteral("0:0:0"));
    }

    void keyLinesStandAtTheirPitchWithTheirBlanks()
    {
        Program program;
        const QStringList lines = {
            "CTRL + X                   Exit", "CTRL + A               About",
            "CTRL + E              English",   "CTRL + F                 Farsi",
            "CTRL + B                 Beep",   "CTRL + N           No Beep",
            "F2      Second Timer Start",      "F3      Second Timer Stop",
            "F4           Timer 1 Options",    "F5           Timer 2 Options",
            "F6              Timer 1 Reset",   "F7              Timer 2 Reset",
            "F8         Both Timer Reset",     "ALT + F                      File",
            "ALT + H                    Help"};
        const QStringList names = {"Label2",  "Label3",  "Label7",  "Label8", "Label9",
                                   "Label10", "Label4",  "Label11", "Label1", "Label12",
                                   "Label13", "Label14", "Label15", "Label5", "Label6"};
        for (int i = 0; i < lines.size(); ++i) {
            const QLabel &label = program.windows.control<QLabel>("Form2", names[i]);
            QCOMPARE(label.text(), lines[i]);
            QCOMPARE(label.y(), 16 * (i + 1)); // 240 twips apart
            QVERIFY(label.fontMetrics().horizontalAdvance(label.text()) <= label.width());
        }
        QCOMPARE(program.windows.control<QGroupBox>("Form2", "Frame1").title(),
                 QStringLiteral("Key Commands"));
        QCOMPARE(program.windows.control<QPushButton>("Form2", "Command1").text(),
                 QStringLiteral("E&xit"));
    }

    void aboutShowsOneAmpersandAndItsTrailingBlank()
    {
        Program program;
        const auto caption = [&](const char *name) {
            return ui::caption(&program.windows.control<QLabel>("Form4", name));
        };
        QCOMPARE(caption("Label5"), QStringLiteral("Tickwell v1.7"));
        QCOMPARE(caption("Label1"), QStringLiteral("Design && Programming "));
        QCOMPARE(program.windows.control<QLabel>("Form4", "Label1").text(),
                 QStringLiteral("Design & Programming "));
        QCOMPARE(caption("Label2"), QStringLiteral("by"));
        QCOMPARE(program.windows.control<QPushButton>("Form4", "Command1").text(),
                 QStringLiteral("&OK"));
        QCOMPARE(ui::foreColour(&program.windows.control<QLabel>("Form4", "Label5")),
                 QColor("#C00000"));
        QCOMPARE(program.windows.control<QLabel>("Form4", "Image1").pixmap().size(),
                 QSize(60, 127));
        QCOMPARE(program.windows.get("Form4").size(), QSize(251 + 2, 152 + 2));
    }
};

QTEST_MAIN(TestCards)
#include "tst_cards.moc"
