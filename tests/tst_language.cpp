// SPDX-License-Identifier: MIT
#include "harness.h"
#include "language/captions.h"
#include "language/switch.h"
#include "options/form3.h"

#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using language::captionTable;
using language::Language;

namespace {

QObject &control(Program &program, const language::CaptionRow &row)
{
    return row.control.isEmpty() ? static_cast<QObject &>(program.windows.get(row.window))
                                 : program.windows.control<QObject>(row.window, row.control);
}

int marks(Program &program)
{
    return int(program.entry("MnuEnglish").isChecked()) +
           int(program.entry("MnuFarsi").isChecked());
}

} // namespace

class TestLanguage : public QObject {
    Q_OBJECT

  private slots:
    void tableHasEveryRowOnce()
    {
        QCOMPARE(captionTable().size(), 61);
        QMap<QString, int> perWindow;
        QSet<QString> controls;
        for (const auto &row : captionTable()) {
            ++perWindow[row.window];
            controls.insert(row.window + u'.' + row.control);
        }
        QCOMPARE(controls.size(), 61);
        const QMap<QString, int> expected = {{"Form1", 21}, {"Form2", 2}, {"Form3", 25},
                                             {"Form4", 4},  {"Form6", 3}, {"Form7", 3},
                                             {"Form8", 3}};
        QCOMPARE(perWindow, expected);
    }

    void eachTextIsStoredOnce()
    {
        const auto &rows = captionTable();
        for (const auto &a : rows)
            for (const auto &b : rows) {
                if (a.english == b.english)
                    QCOMPARE(&a.english, &b.english);
                if (a.farsi == b.farsi)
                    QCOMPARE(&a.farsi, &b.farsi);
            }
    }

    void farsiCodePoints()
    {
        QString all;
        for (const auto &row : captionTable())
            all += row.farsi;
        for (char16_t forbidden : {u'\u06CC', u'\u0643', u'\u200C', u'\u200D', u'\u00A0', u'&'})
            QVERIFY2(!all.contains(QChar(forbidden)), qPrintable(QString::number(forbidden, 16)));
        for (char16_t present : {u'\u064A', u'\u06A9', u'\u06AF', u'\u067E', u'\u0626'})
            QVERIFY(all.contains(QChar(present)));
        QCOMPARE(captionTable()[44].farsi, QStringLiteral("مطمئن هستيد\u061F"));
        QCOMPARE(captionTable()[38].farsi, QStringLiteral("تا\u0626يد"));
    }

    void timersShareEnglishButNotFarsi()
    {
        const auto &rows = captionTable();
        QCOMPARE(rows[49].english, rows[52].english); // MnuTimer1, MnuRT1: "Timer 1"
        QCOMPARE(rows[50].english, rows[53].english);
        QVERIFY(rows[49].farsi != rows[52].farsi);
        QVERIFY(rows[50].farsi != rows[53].farsi);
        QCOMPARE(rows[48].farsi, rows[50].farsi); // "Second Timer" and Options' "Timer 2"
    }

    void englishRightAfterStartChangesSixteenCaptions()
    {
        Program program;
        QList<int> changed;
        const auto &rows = captionTable();
        for (int i = 0; i < rows.size(); ++i)
            if (ui::caption(&control(program, rows[i])) != rows[i].english)
                changed << i + 1;
        const QList<int> expected = {1, 3, 5, 6, 9, 13, 15, 17, 38, 39, 40, 41, 44, 45, 56, 59};
        QCOMPARE(changed, expected);
        program.form1().Form1_MnuEnglish_Click();
        for (const auto &row : rows)
            QCOMPARE(ui::caption(&control(program, row)), row.english);
        QCOMPARE(program.windows.control<QLabel>("Form4", "Label1").text(),
                 QStringLiteral("Design & Programming"));
    }

    void everyRowSwitchesBothWays()
    {
        Program program;
        program.form1().Form1_MnuFarsi_Click();
        for (const auto &row : captionTable())
            QCOMPARE(ui::caption(&control(program, row)), row.farsi);
        QVERIFY(program.entry("MnuFarsi").isChecked() && !program.entry("MnuEnglish").isChecked());
        program.form1().Form1_MnuEnglish_Click();
        for (const auto &row : captionTable())
            QCOMPARE(ui::caption(&control(program, row)), row.english);
    }

    // Windows are created hidden, in row order, and the mark moves between rows 47 and 48;
    // exactly one mark shows all the while.
    void createsMissingWindowsHiddenInOrder()
    {
        Program program;
        QStringList created;
        QList<bool> farsiMarked;
        connect(&program.windows, &ui::Windows::created, this, [&](const QString &name) {
            created << name;
            farsiMarked << program.entry("MnuFarsi").isChecked();
            QCOMPARE(marks(program), 1);
        });
        program.form1().Form1_MnuFarsi_Click();
        QCOMPARE(created, QStringList({"Form2", "Form3", "Form4", "Form6", "Form7", "Form8"}));
        QCOMPARE(farsiMarked, QList<bool>({false, false, false, false, true, true}));
        for (const QString &name : created)
            QVERIFY(!program.windows.find(name)->isVisible());
        QCOMPARE(program.windows.find("Form5"), nullptr);
        QCOMPARE(marks(program), 1);
    }

    void openWindowsChangeInPlaceAndRunNoHandler()
    {
        Program program;
        program.windows.show("Form3");
        QWidget *options = program.windows.find("Form3");
        auto &red = program.windows.control<QRadioButton>("Form3", "Option5");
        QTest::mouseClick(&red, Qt::LeftButton);
        ui::setBackColour(&program.form1(), 0x00FFFFFF);
        const QPoint where = options->pos();
        program.form1().Form1_MnuFarsi_Click();
        QVERIFY(options->isVisible());
        QCOMPARE(options->pos(), where);
        QCOMPARE(program.windows.find("Form3"), options);
        QVERIFY(red.isChecked());
        QCOMPARE(red.text(), QStringLiteral("قرمز"));
        QCOMPARE(ui::backColour(&program.form1()), QColor(Qt::white)); // no option re-ran
        QCOMPARE(program.form1().Timer1.interval(), 0);
    }

    void accessKeysAreGoneAfterAnySwitch_data()
    {
        QTest::addColumn<bool>("farsi");
        QTest::newRow("English") << false;
        QTest::newRow("Farsi") << true;
    }
    void accessKeysAreGoneAfterAnySwitch()
    {
        QFETCH(bool, farsi);
        Program program;
        farsi ? program.form1().Form1_MnuFarsi_Click() : program.form1().Form1_MnuEnglish_Click();
        for (const auto &row : captionTable())
            QVERIFY(!ui::caption(&control(program, row)).remove(u"&&"_qs).contains(u'&'));
        QCOMPARE(program.windows.control<QMenu>("Form1", "MnuFile").title(),
                 farsi ? QStringLiteral("فايل") : QStringLiteral("File"));
    }

    void reopenedWindowsComeBackInEnglishUntilTheNextSwitch()
    {
        Program program;
        program.form1().Form1_MnuFarsi_Click();
        program.form1().Form1_MnuRT1_Click();
        program.windows.control<QPushButton>("Form6", "Command2").click();
        program.form1().Form1_MnuRT1_Click();
        QCOMPARE(ui::caption(&program.windows.control<QLabel>("Form6", "Label1")),
                 QStringLiteral("Are You Sure ?"));
        QCOMPARE(program.windows.control<QPushButton>("Form6", "Command1").text(),
                 QStringLiteral("OK"));
        QVERIFY(program.entry("MnuFarsi").isChecked());
        program.form1().Form1_MnuFarsi_Click(); // the same language again runs the whole switch
        QCOMPARE(program.windows.control<QPushButton>("Form6", "Command2").text(),
                 QStringLiteral("لغو"));
    }

    void messagesStayEnglishAndTheSwitchRestoresTheTitle()
    {
        Program program;
        program.form1().Form1_MnuFarsi_Click();
        program.form1().Form1_MnuTimer2_Click();
        QCOMPARE(program.messages, QStringList("There Is No Option Available For Second Timer!"));
        program.form1().Form1_MnuEnglish_Click();
        program.form1().Form1_Timer1_Timer();
        QTest::mouseClick(&program.windows.control<QRadioButton>("Form3", "Option18"),
                          Qt::LeftButton);
        QCOMPARE(program.form1().windowTitle(), QStringLiteral("1"));
        program.form1().Form1_MnuEnglish_Click();
        QCOMPARE(program.form1().windowTitle(), QStringLiteral("Vizaded Adede"));
    }

    void shortcutsSwitch()
    {
        Program program;
        QVERIFY(QTest::qWaitForWindowActive(&program.form1()));
        QTest::keyClick(&program.form1(), Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(program.form1().windowTitle(), QStringLiteral("تايمر ويندوز"));
        QTest::keyClick(&program.form1(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(program.form1().windowTitle(), QStringLiteral("Vizaded Adede"));
        QVERIFY(program.entry("MnuEnglish").isChecked());
    }
};

QTEST_MAIN(TestLanguage)
#include "tst_language.moc"
