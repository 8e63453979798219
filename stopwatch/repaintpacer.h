// SPDX-License-Identifier: MIT
// A counter at 10 ms changes more often than a screen shows frames. Its labels take every new
// text at once, for anyone who reads them; only the window's repaint waits, so that the window
// paints at most once a display frame and shows no change later than one frame after it.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class QWidget;

namespace stopwatch {

class RepaintPacer : public QObject {
    Q_OBJECT
  public:
    explicit RepaintPacer(QWidget *window);

    // Paints a held change now when a frame has passed since the last paint. Calling it after
    // each tick lets the ticks carry the paints, so the held paint's own timer rarely wakes.
    void paintIfDue();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    bool frameHasPassed() const;
    void paintHeld();

    QWidget *window_;
    qint64 frameNanoseconds_;
    QElapsedTimer sincePaint_;
    QTimer heldPaint_; // the latest moment for a held change: one frame after it was made
};

} // namespace stopwatch
