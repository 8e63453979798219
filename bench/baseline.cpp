// SPDX-License-Identifier: MIT
// The toolkit's floor: a bare window with one label that a timer updates (two with --both),
// measured exactly as the real program is.
#include "measure.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

namespace {

struct CountingLabel {
    QLabel label;
    QTimer timer;
    qint64 ticks = 0;

    explicit CountingLabel(int interval)
    {
        timer.setTimerType(Qt::PreciseTimer);
        timer.setInterval(interval);
        QObject::connect(&timer, &QTimer::timeout,
                         [this] { label.setText(QString::number(++ticks)); });
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const bench::RunOptions options =
        bench::parseRunOptions(QApplication::arguments(), QStringLiteral("baseline"));

    QWidget window;
    CountingLabel first(options.interval);
    CountingLabel second(1000);
    auto *layout = new QVBoxLayout(&window);
    layout->addWidget(&first.label);
    if (options.both)
        layout->addWidget(&second.label);
    window.show();

    const auto start = [&](const bench::RunOptions &run) {
        first.timer.start();
        if (run.both)
            second.timer.start();
    };
    bench::measureRun(options, {start, [&] { return first.ticks; }});
    return QApplication::exec();
}
