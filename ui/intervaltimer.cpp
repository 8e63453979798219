// SPDX-License-Identifier: MIT
#include "ui/intervaltimer.h"

#include <QDeadlineTimer>
#include <QPointer>
#include <algorithm>

namespace ui {

IntervalTimer::IntervalTimer(QObject *parent)
    : QObject(parent), clock_([] { return QDeadlineTimer::current().deadline(); })
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &IntervalTimer::deliverDueTicks);
}

void IntervalTimer::setInterval(int milliseconds)
{
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    start_ = clock_();
    delivered_ = 0;
    if (interval_ > 0)
        timer_.start(interval_);
    else
        timer_.stop();
}

void IntervalTimer::deliverDueTicks()
{
    if (interval_ <= 0)
        return;
    const int interval = interval_;
    // A timeout is itself one due tick, even when the clocks round it a hair early.
    const qint64 due = std::max((clock_() - start_) / interval, delivered_ + 1);
    const QPointer<IntervalTimer> alive = this;
    while (alive && interval_ == interval && delivered_ < due) {
        ++delivered_;
        emit tick();
    }
}

} // namespace ui
