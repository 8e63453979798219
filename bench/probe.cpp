// SPDX-License-Identifier: MIT
// The real program's windows under the real event loop, measured from the inside:
//   probe run [--interval ms] [--seconds s] [--load text] [--xserver pid]
//   probe memory --cycles n Form2 Form3 …
#include "measure.h"

#include "app/program.h"
#include "stopwatch/form1.h"
#include "ui/design.h"
#include "ui/windows.h"

#include <QApplication>
#include <QJsonArray>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace {

const QString form1 = QStringLiteral("Form1");

// The counter's fields read back as ticks; "h:60:0" is one tick after "h:59:59" and reads right.
qint64 firstCounterTicks(ui::Windows &windows)
{
    const auto field = [&](const char *name) {
        return ui::caption(&windows.control<QLabel>(form1, name)).toLongLong();
    };
    return field("Label1") * 3600 + field("Label2") * 60 + field("Label3");
}

int run(ui::Windows &windows, const bench::RunOptions &options)
{
    windows.show(form1);
    if (options.beep)
        windows.get<Form1>(form1).Form1_MnuBeep_Click();
    const auto start = [&windows](int interval) {
        Form1 &window = windows.get<Form1>(form1);
        window.Timer1.setInterval(0); // restarts the phase even at the designed interval
        window.Timer1.setInterval(interval);
    };
    bench::measureRun(options, {start, [&windows] { return firstCounterTicks(windows); }});
    return QApplication::exec();
}

void openAndClose(ui::Windows &windows, const QString &name)
{
    windows.show(name);
    bench::waitUntilExposed([&] { return windows.find(name); });
    windows.unload(name);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int memory(ui::Windows &windows, int cycles, const QStringList &names)
{
    app::start(windows); // the splash, where there is one, hands over to the main window
    bench::waitUntilExposed([&] { return windows.find(form1); });
    for (const QString &name : names)
        openAndClose(windows, name);
    const qint64 settled = bench::selfStatusKb("VmRSS");
    const qint64 peak = bench::selfStatusKb("VmHWM");
    QJsonObject growth;
    for (const QString &name : names) {
        const qint64 before = bench::selfStatusKb("VmRSS");
        for (int cycle = 0; cycle < cycles; ++cycle)
            openAndClose(windows, name);
        growth.insert(name, bench::selfStatusKb("VmRSS") - before);
    }
    bench::printRecord({{"kind", "memory"},
                        {"subject", "tickwell"},
                        {"windows", QJsonArray::fromStringList(names)},
                        {"hwm_kb", peak},
                        {"rss_kb", settled},
                        {"cycles", cycles},
                        {"growth_kb", growth},
                        {"soak_growth_kb", bench::selfStatusKb("VmRSS") - settled}});
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    app::prepareToolkit();
    QApplication application(argc, argv);
    QStringList arguments = QApplication::arguments();
    ui::Windows windows;
    app::defineWindows(windows);
    if (arguments.value(1) == QStringLiteral("memory") && arguments.value(2) == "--cycles")
        return memory(windows, arguments.value(3).toInt(), arguments.mid(4));
    if (arguments.value(1) == QStringLiteral("run"))
        return run(windows, bench::parseRunOptions(arguments, QStringLiteral("tickwell")));
    qFatal("usage: probe run [options] | probe memory --cycles n window…");
}
