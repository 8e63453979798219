// SPDX-License-Identifier: MIT
// The toolkit's floor: one top-level label in the counters' face that a precise timer counts
// up, without a layout; the bench's own code runs only once the window is up.
#include "measure.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("0"));
    QFont face(QStringLiteral("Verdana"));
    face.setPointSizeF(21.75);
    face.setBold(true);
    label.setFont(face);
    qint64 ticks = 0;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] { label.setText(QString::number(++ticks)); });
    timer.start(1000);
    label.show();

    const bench::RunOptions options =
        bench::parseRunOptions(QApplication::arguments(), QStringLiteral("baseline"));
    bench::measureRun(options,
                      {[&](int interval) { timer.start(interval); }, [&] { return ticks; }});
    return QApplication::exec();
}
