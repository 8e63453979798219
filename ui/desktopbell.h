// SPDX-License-Identifier: MIT
// The beep as a Linux desktop sounds it: the sound theme's bell, played through libcanberra by the
// user's sound server (PulseAudio, or PipeWire's PulseAudio service), as GNOME and KDE play their
// event sounds. The display's own bell is silent on Wayland, and on X11 only the desktop decides
// what it becomes; it rings only where the desktop's sound is out of reach.
#pragma once

#include <QTimer>
#include <array>
#include <chrono>
#include <functional>

namespace ui {

// Why the desktop's bell did not sound, or None when it did.
enum class BellFailure { None, NoServer, NoAnswer, NoBell, NoLibrary };

class DesktopBell {
  public:
    using Time = std::chrono::milliseconds; // on a monotonic clock
    using Clock = std::function<Time()>;

    using Answer = std::function<void(BellFailure)>;
    // Sounds the desktop's bell without waiting for it; the answer comes later, on the thread
    // that asked.
    using Play = std::function<void(Answer)>;
    static Play soundServer();

    explicit DesktopBell(std::function<Play()> makePlayer = soundServer, Clock clock = {});

    void ring();
    // The display's bell stands in for a ring that the sound server has held too long; a timer
    // calls it, and so can a test.
    void standInIfStuck();

    std::function<void()> displayBell; // QApplication::beep, or a test's counter

  private:
    void answered(BellFailure failure);
    void fallBack(BellFailure failure);
    void tell(BellFailure failure);

    std::function<Play()> makePlayer_;
    Play play_; // made at the first ring: nothing of sound loads before it
    Clock clock_;
    QTimer stuck_;
    Time lastRing_ = Time::min() / 2;
    Time askedAt_{}; // when the ring in flight went to the player
    Time retryAt_{}; // the desktop's bell is not tried again before this
    bool inFlight_ = false;
    bool stoodIn_ = false; // the display's bell has rung for the ring in flight
    std::array<bool, 5> told_{};
};

} // namespace ui
