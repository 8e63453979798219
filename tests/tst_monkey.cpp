// SPDX-License-Identifier: MIT
// A seeded monkey: many random user actions on the real windows (keys to the active window, menu
// entries, buttons and options of open windows, clicks that activate a window, closing by the
// window manager, timer ticks after random pauses) and, after each action and each tick, the
// checks of what must always hold. TICKWELL_MONKEY_SEED chooses the seed (a fresh one otherwise;
// printed either way) and TICKWELL_MONKEY_ACTIONS the number of actions (20000 by default).
// A failure prints its seed and the shortest action sequence found that still fails.

#include "monkey.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

namespace {

quint64 seedFromEnvironment()
{
    bool given = false;
    const quint64 seed = qEnvironmentVariable("TICKWELL_MONKEY_SEED").toULongLong(&given);
    return given ? seed : QRandomGenerator::global()->generate64();
}

int actionsFromEnvironment()
{
    bool given = false;
    const int actions = qEnvironmentVariableIntValue("TICKWELL_MONKEY_ACTIONS", &given);
    return given ? actions : 20000;
}

// The offscreen platform says so each time a window asks it for something it has no use for;
// hundreds of thousands of such lines would bury the monkey's own report.
QtMessageHandler testLog = nullptr;

void quietPlatform(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(u"This plugin does not support"))
        testLog(type, context, text);
}

QString described(const QStringList &steps)
{
    QString text;
    for (qsizetype i = 0; i < steps.size(); ++i)
        text += QStringLiteral("\n  %1. %2").arg(i + 1).arg(steps[i]);
    return text;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT

  public:
    TestMonkey()
    {
        // Qt Test stops a test function after five minutes unless told otherwise; a long run
        // gets five milliseconds an action, which is several times what it needs.
        if (!qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
            qputenv("QTEST_FUNCTION_TIMEOUT",
                    QByteArray::number(qint64(actionsFromEnvironment()) * 5 + 300000));
    }

  private slots:
    void initTestCase() { testLog = qInstallMessageHandler(quietPlatform); }

    void randomActionsKeepEveryRule()
    {
        const quint64 seed = seedFromEnvironment();
        const int count = actionsFromEnvironment();
        qInfo("monkey: seed %llu, %d actions (TICKWELL_MONKEY_SEED, TICKWELL_MONKEY_ACTIONS)", seed,
              count);
        const QList<monkey::Action> actions = monkey::randomActions(seed, count);
        QElapsedTimer clock;
        clock.start();
        const monkey::Outcome outcome = monkey::play(actions, false);
        qInfo("monkey: %s in %.1f s", qPrintable(outcome.summary), double(clock.elapsed()) / 1000);
        if (outcome.failure.isEmpty())
            return;
        const QList<monkey::Action> shortest = monkey::shrink(actions.first(outcome.steps));
        const monkey::Outcome again = monkey::play(shortest, true);
        QFAIL(qPrintable(QStringLiteral("seed %1, action %2: %3\nshortest sequence found "
                                        "(%4 actions), failing with: %5%6")
                             .arg(seed)
                             .arg(outcome.steps)
                             .arg(outcome.failure)
                             .arg(shortest.size())
                             .arg(again.failure, described(again.log))));
    }
};

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
