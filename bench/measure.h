// SPDX-License-Identifier: MIT
// What the in-process bench programs share: reading the kernel's account of a process, and one
// timed run of a ticking window that ends by printing its figures as one JSON line.
#pragma once

#include <QJsonObject>
#include <QStringList>
#include <functional>

class QWidget;

namespace bench {

// User plus system CPU seconds that the kernel has charged to a process so far.
double cpuSeconds(qint64 pid);
// A "Vm…" line of /proc/self/status, in kB.
qint64 selfStatusKb(const char *field);

void printRecord(const QJsonObject &record);

// Runs the event loop until the window that find() returns exists and the X server has exposed
// it; gives up after ten seconds.
void waitUntilExposed(const std::function<const QWidget *()> &find);

struct RunOptions {
    QString subject;
    int interval = 1000; // milliseconds
    int seconds = 10;
    QString load;       // free text that bench/run puts into the record: "quiet" or "loaded"
    qint64 xserver = 0; // the X server's process id, 0 when there is none to account for
    bool beep = false;  // every tick rings the bell
    qint64 soundServer = 0; // the sound server's process id, where the bell rings
};
RunOptions parseRunOptions(const QStringList &arguments, const QString &subject);

struct Ticker {
    std::function<void(int interval)> start; // ticking at the interval begins now
    std::function<qint64()> counted;         // ticks so far
};

// Lets the window settle, starts it ticking, and after the run's seconds (plus half an
// interval, so that the last due tick is not racing the reading) prints the figures and quits.
void measureRun(const RunOptions &options, const Ticker &ticker);

} // namespace bench
