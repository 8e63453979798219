// SPDX-License-Identifier: MIT
// A seeded monkey: random keys, clicks, window-manager closes and passing time on the real
// windows, with what must always hold checked after every action and every tick.
// TICKWELL_MONKEY_SEED repeats a run; TICKWELL_MONKEY_ACTIONS sets its length (20000).
#include "harness.h"

#include <QRandomGenerator>

namespace {

const QStringList keys = {"F1", "F2",     "F3",     "F4",     "F5",     "F6",    "F7",
                          "F8", "Ctrl+A", "Ctrl+B", "Ctrl+N", "Ctrl+E", "Ctrl+F"};
// Readings next to a carry or the wrap, as a tick or a reset could leave them.
const QStringList edges = {"0:59:58", "0:60:0", "58:59:59", "59:59:59", "59:60:0"};
const QString cycleMessages[] = {"First Timer One Hour Cycle Completed. Timer Will Now Reset!",
                                 "Second Timer One Hour Cycle Completed. Timer Will Now Reset!"};
const QString noOptions = "i There Is No Option Available For Second Timer!";

// The reading one tick after another: the minute carries a tick after the second wrapped.
QString nextReading(const QString &reading)
{
    int h = reading.section(u':', 0, 0).toInt(), m = reading.section(u':', 1, 1).toInt(),
        s = reading.section(u':', 2, 2).toInt() + 1;
    if (s == 60)
        s = 0, ++m;
    else if (m == 60)
        m = 0, ++h;
    if (h == 60)
        h = m = s = 0;
    return QStringLiteral("%1:%2:%3").arg(h).arg(m).arg(s);
}

class Monkey {
  public:
    explicit Monkey(quint32 seed) : random_(seed)
    {
        program_.act("handover");
        for (int row : {0, 1})
            QObject::connect(&program_.timer(row), &ui::IntervalTimer::tick,
                             [this, row] { checkTick(row); });
        remember();
    }

    QString failure;
    QStringList done;

    void step()
    {
        const QString action = randomAction();
        done << action;
        program_.act(action);
        if (failure.isEmpty())
            checkAfter(action);
        remember();
    }

  private:
    QString randomAction()
    {
        const int dice = int(random_.bounded(100));
        QStringList buttons;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->objectName() != u"Form1")
                for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
                    buttons << window->objectName() + u'.' + button->objectName();
        if (dice < 35 || (dice < 70 && buttons.isEmpty()))
            return keys[random_.bounded(keys.size())];
        if (dice < 70) {
            const QString button = buttons[random_.bounded(buttons.size())];
            return dice < 65 ? button : "close=" + button.section(u'.', 0, 0);
        }
        if (dice < 75)
            return QStringLiteral("%1=%2").arg(dice < 73 ? "first" : "second",
                                               edges[random_.bounded(edges.size())]);
        return QStringLiteral("s=%1").arg(random_.bounded(1, 4));
    }

    void fail(const QString &rule)
    {
        if (failure.isEmpty())
            failure = rule;
    }

    void remember()
    {
        for (int row : {0, 1})
            readings_[row] = program_.reading(row);
        beeps_ = program_.beeps;
        messages_ = program_.messages.size();
    }

    void checkTick(int row)
    {
        const QString reading = program_.reading(row);
        if (reading != nextReading(readings_[row]))
            fail("a tick went from " + readings_[row] + " to " + reading);
        const bool wrapped = reading == u"0:0:0";
        if (program_.messages.mid(messages_) !=
            (wrapped ? QStringList{cycleMessages[row]} : QStringList()))
            fail("a tick's messages: " + program_.messages.mid(messages_).join(u'|'));
        const bool beeping = program_.windows.control<QAction>("Form1", "MnuBeep").isChecked();
        if (program_.beeps != beeps_ + (row == 0 && beeping))
            fail("a tick of counter " + QString::number(row + 1) + " beeped wrongly");
        remember();
    }

    void checkAfter(const QString &action)
    {
        const bool counts = action.contains(u'=') && !action.startsWith(u"close");
        for (int row : {0, 1})
            if (program_.reading(row) != readings_[row] && !counts &&
                !(program_.reading(row) == u"0:0:0" && confirmsReset(action, row)))
                fail("a count changed without a tick or a reset");
        if (!action.startsWith(u"s=") &&
            (program_.beeps != beeps_ ||
             program_.messages.mid(messages_) !=
                 (action == u"F5" ? QStringList{noOptions} : QStringList())))
            fail("beeps or messages outside a tick");
        // Exactly one of Beep and No Beep, then one of English and Farsi.
        const QStringList marks = program_.marks().split(u',');
        if (marks.size() != 2 || !marks[0].endsWith(u"Beep") || marks[1].endsWith(u"Beep"))
            fail("marks: " + marks.join(u','));
        const bool running = program_.timer(1).interval() > 0;
        if (program_.probe("row2") != (running ? "shown" : "hidden"))
            fail("the second row is " + program_.probe("row2"));
        const QStringList open = program_.probe("open").split(u',');
        if (QSet<QString>(open.cbegin(), open.cend()).size() != open.size() ||
            !open.contains(u"Form1") || program_.windows.ended())
            fail("open windows: " + open.join(u','));
    }

    // OK in Form6 resets the first counter, in Form7 the second, in Form8 both.
    static bool confirmsReset(const QString &action, int row)
    {
        return action == u"Form8.Command1" ||
               action == (row == 0 ? u"Form6.Command1" : u"Form7.Command1");
    }

    Program program_;
    QRandomGenerator random_;
    QString readings_[2];
    int beeps_ = 0;
    qsizetype messages_ = 0;
};

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

  public:
    TestMonkey() // Qt Test stops a function after five minutes, and a long run takes longer.
    {
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT", "86400000");
    }

  private slots:
    void randomActionsKeepEveryRule()
    {
        bool given = false;
        quint32 seed = qEnvironmentVariable("TICKWELL_MONKEY_SEED").toUInt(&given);
        if (!given)
            seed = QRandomGenerator::global()->generate();
        const int count = qEnvironmentVariableIntValue("TICKWELL_MONKEY_ACTIONS", &given);
        qInfo("monkey: seed %u (TICKWELL_MONKEY_SEED)", seed);
        Monkey monkey(seed);
        for (int i = 0; i < (given ? count : 20000) && monkey.failure.isEmpty(); ++i)
            monkey.step();
        QVERIFY2(monkey.failure.isEmpty(),
                 qPrintable(QStringLiteral("seed %1, action %2: %3\nlast actions: %4")
                                .arg(seed)
                                .arg(monkey.done.size())
                                .arg(monkey.failure,
                                     monkey.done.mid(monkey.done.size() - 30).join(u' '))));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
