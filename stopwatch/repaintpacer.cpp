// SPDX-License-Identifier: MIT
#include "stopwatch/repaintpacer.h"

#include <QCoreApplication>
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
    : QObject(window), window_(window), frameNanoseconds_(frameNanoseconds(window))
{
    heldPaint_.setSingleShot(true);
    heldPaint_.setTimerType(Qt::PreciseTimer);
    heldPaint_.setInterval(int(std::ceil(double(frameNanoseconds_) / 1e6)));
    connect(&heldPaint_, &QTimer::timeout, this, &RepaintPacer::paintHeld);
    window->installEventFilter(this);
}

bool RepaintPacer::frameHasPassed() const
{
    return !sincePaint_.isValid() || sincePaint_.nsecsElapsed() >= frameNanoseconds_;
}

// The toolkit asks for one UpdateRequest and asks again only once it was handled, so a held
// request stays the only one, and every later change waits in it.
bool RepaintPacer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != window_ || event->type() != QEvent::UpdateRequest)
        return false;
    if (frameHasPassed()) {
        heldPaint_.stop();
        sincePaint_.start();
        return false;
    }
    if (!heldPaint_.isActive())
        heldPaint_.start();
    return true;
}

void RepaintPacer::paintIfDue()
{
    if (heldPaint_.isActive() && frameHasPassed())
        paintHeld();
}

void RepaintPacer::paintHeld()
{
    sincePaint_.invalidate();
    QEvent request(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(window_, &request);
}

} // namespace stopwatch
