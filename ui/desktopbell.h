// SPDX-License-Identifier: MIT
// The beep as a Linux desktop sounds it: the sound theme's bell, played through libcanberra by the
// user's sound server (PulseAudio, or PipeWire's PulseAudio service), as GNOME and KDE play their
// event sounds. The display's own bell is silent on Wayland, and on X11 only the desktop decides
// what it becomes; it rings only where the desktop's sound is out of reach.
#pragma once

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <memory>

class QString;

namespace ui {

class DesktopBell {
  public:
    DesktopBell();
    ~DesktopBell();

    void ring();

  private:
    void fallBack(const QString &why);

    class Player;
    std::unique_ptr<Player> player_; // made at the first ring: nothing of sound loads before it
    QElapsedTimer started_;          // since the last bell began
    QDeadlineTimer silentUntil_{0};
    bool told_ = false;
};

} // namespace ui
