// SPDX-License-Identifier: MIT
#include "measure.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <unistd.h>

namespace bench {

namespace {

constexpr int settleMilliseconds = 500; // first paint and map are start-up, not ticking
constexpr int patienceMilliseconds = 10000;

QByteArray readProcFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

qint64 now()
{
    return QDeadlineTimer::current().deadline();
}

struct Sample {
    qint64 milliseconds;
    double self;
    double xserver;
    double soundServer;
};

Sample sample(const RunOptions &options)
{
    const auto cpuOf = [](qint64 pid) { return pid ? cpuSeconds(pid) : 0.0; };
    return {now(), cpuSeconds(QCoreApplication::applicationPid()), cpuOf(options.xserver),
            cpuOf(options.soundServer)};
}

void finish(const RunOptions &options, const Ticker &ticker, const Sample &begin, qint64 ticks)
{
    const Sample end = sample(options);
    const qint64 elapsed = end.milliseconds - begin.milliseconds;
    printRecord({{"kind", "run"},
                 {"subject", options.subject},
                 {"interval", options.interval},
                 {"load", options.load},
                 {"beep", options.beep},
                 {"elapsed_ms", elapsed},
                 {"counted", ticker.counted() - ticks},
                 {"expected", elapsed / options.interval},
                 {"cpu_s", end.self - begin.self},
                 {"xserver_cpu_s", end.xserver - begin.xserver},
                 {"soundserver_cpu_s", end.soundServer - begin.soundServer},
                 {"hwm_kb", selfStatusKb("VmHWM")}});
    QCoreApplication::quit();
}

void begin(const RunOptions &options, const Ticker &ticker)
{
    const qint64 ticks = ticker.counted();
    const Sample first = sample(options);
    ticker.start(options.interval);
    const int length = options.seconds * 1000 + options.interval / 2;
    QTimer::singleShot(length, Qt::PreciseTimer, qApp,
                       [=] { finish(options, ticker, first, ticks); });
}

} // namespace

double cpuSeconds(qint64 pid)
{
    // The command name in field 2 may hold spaces; the fields after it are plain numbers.
    const QByteArray stat = readProcFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    const qint64 ticks = fields.at(11).toLongLong() + fields.at(12).toLongLong(); // utime, stime
    return double(ticks) / double(sysconf(_SC_CLK_TCK));
}

qint64 selfStatusKb(const char *field)
{
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : readProcFile(QStringLiteral("/proc/self/status")).split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLongLong();
    }
    qFatal("no %s in /proc/self/status", field);
}

void printRecord(const QJsonObject &record)
{
    std::printf("%s\n", QJsonDocument(record).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
}

void waitUntilExposed(const std::function<const QWidget *()> &find)
{
    const auto exposed = [&find] {
        const QWidget *window = find();
        return window && window->windowHandle() && window->windowHandle()->isExposed();
    };
    if (exposed())
        return;
    // A single-shot timer for the patience would outlive the loop by its whole length and
    // show in the soak's figures; the poll keeps the deadline instead.
    const QDeadlineTimer patience(patienceMilliseconds);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (exposed())
            loop.quit();
        else if (patience.hasExpired())
            qFatal("a window was not mapped in time");
    });
    poll.start(1);
    loop.exec();
}

RunOptions parseRunOptions(const QStringList &arguments, const QString &subject)
{
    QCommandLineParser parser;
    parser.addOptions({{"interval", "First counter's interval in ms.", "ms", "1000"},
                       {"seconds", "Length of the measured run.", "s", "10"},
                       {"load", "Label for the record.", "text", "quiet"},
                       {"xserver", "X server process id.", "pid", "0"},
                       {"beep", "Every tick rings the bell."},
                       {"soundserver", "Sound server process id.", "pid", "0"}});
    parser.process(arguments);
    return {subject,
            parser.value("interval").toInt(),
            parser.value("seconds").toInt(),
            parser.value("load"),
            parser.value("xserver").toLongLong(),
            parser.isSet("beep"),
            parser.value("soundserver").toLongLong()};
}

void measureRun(const RunOptions &options, const Ticker &ticker)
{
    QTimer::singleShot(settleMilliseconds, qApp, [=] { begin(options, ticker); });
}

} // namespace bench
