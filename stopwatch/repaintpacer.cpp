// SPDX-License-Identifier: MIT
#include "stopwatch/repaintpacer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace stopwatch {

namespace {

constexpr double fallbackFramesPerSecond = 60;

qint64 frameNanoseconds(const QWidget *window)
{
    const QScreen *screen = window->screen();
    const double rate =
        screen && screen->refreshRate() > 1 ? screen->refreshRate() : fallbackFramesPerSecond;
    return qint64(1e9 / rate);
}

} // namespace

RepaintPacer::RepaintPacer(QWidget *window)
    : QObject(window), window_(window), frameNanoseconds_(frameNanoseconds(window)),
      frameMilliseconds_(int(std::ceil(double(frameNanoseconds_) / 1e6))),
      clock_([] { return QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs(); }),
      heldPaint_(this)
{
    connect(&heldPaint_, &ui::IntervalTimer::tick, this, &RepaintPacer::paintHeld);
    window->installEventFilter(this);
}

bool RepaintPacer::frameHasPassed(qint64 now) const
{
    return !lastPaint_ || now - *lastPaint_ >= frameNanoseconds_;
}

// The toolkit asks for one UpdateRequest and asks again only once it was handled, so a held
// request stays the only one, and every later change waits in it.
bool RepaintPacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_ || event->type() != QEvent::UpdateRequest)
        return false;
    if (const qint64 now = clock_(); frameHasPassed(now)) {
        heldPaint_.setInterval(0);
        lastPaint_ = now;
        return false;
    }
    if (heldPaint_.interval() == 0)
        heldPaint_.setInterval(frameMilliseconds_);
    return true;
}

void RepaintPacer::paintIfDue()
{
    if (heldPaint_.interval() > 0 && frameHasPassed(clock_()))
        paintHeld();
}

void RepaintPacer::paintHeld()
{
    lastPaint_.reset();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);
}

} // namespace stopwatch
