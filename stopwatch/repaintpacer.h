// SPDX-License-Identifier: MIT
// A counter at 10 ms changes more often than a screen shows frames. Its labels take every new
// text at once, for anyone who reads them; only the window's repaint waits, so that the window
// paints at most once a display frame and shows no change later than one frame after it.
#pragma once

#include "ui/intervaltimer.h"

#include <QObject>
#include <functional>
#include <optional>

class QWidget;

namespace stopwatch {

class RepaintPacer : public QObject {
    Q_OBJECT
  public:
    using Clock = std::function<qint64()>; // nanoseconds on a monotonic clock

    explicit RepaintPacer(QWidget *window);

    // A test's clock for the frame; the held paint's timer, a child of the pacer, takes its own.
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // Paints a held change now when a frame has passed since the last paint. Calling it after
    // each tick lets the ticks carry the paints, so the held paint's own timer rarely wakes.
    void paintIfDue();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool frameHasPassed(qint64 now) const;
    void paintHeld();

    QWidget *window_;
    qint64 frameNanoseconds_;
    int frameMilliseconds_; // the held paint's timer, a frame rounded up
    Clock clock_;
    std::optional<qint64> lastPaint_; // none: the next request paints whenever it comes
    ui::IntervalTimer heldPaint_;     // from a held change until it is painted; ticks a frame on
};

} // namespace stopwatch
