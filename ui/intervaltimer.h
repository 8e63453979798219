// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace ui {

// A periodic timer whose interval 0 means stopped. It ticks once for every interval that has
// elapsed since it was started, so a busy event loop delays ticks but never drops one: Qt's own
// timers skip the periods they were late for.
class IntervalTimer : public QObject {
    Q_OBJECT
  public:
    using Clock = std::function<qint64()>; // milliseconds on a monotonic clock

    explicit IntervalTimer(QObject *parent = nullptr);

    int interval() const { return interval_; }
    // A new interval governs the ticks from now on; setting the same one keeps the phase.
    void setInterval(int milliseconds);

    void setClock(Clock clock) { clock_ = std::move(clock); }
    // Delivers every tick that has fallen due; the QTimer calls it, and so can a test.
    void deliverDueTicks();

  signals:
    void tick();

  private:
    QTimer timer_;
    Clock clock_;
    int interval_ = 0;
    qint64 start_ = 0;
    qint64 delivered_ = 0;
};

} // namespace ui
