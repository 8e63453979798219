// SPDX-License-Identifier: MIT
#include "ui/desktopbell.h"

#include <QApplication>
#include <QLibrary>

#include <canberra.h>

namespace ui {

namespace {

constexpr char bellEvent[] = "bell-window-system"; // the theme's bell for "something wants you"
constexpr int retryAfter = 10'000; // ms of the display's bell once the desktop's has failed
// Bells that start closer together than this fuse into one sound to the ear. A counter at 10 ms
// would otherwise start a hundred overlapping bells a second, each a round trip to the sound
// server, at more CPU than the counter itself costs.
constexpr int fuseWithin = 45; // ms

template <class Function> bool resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

} // namespace

// libcanberra, reached through the sound server's driver alone: where no server runs, the other
// drivers print complaints of their own. A failure closes the context, so the next ring opens a
// new one.
class DesktopBell::Player {
  public:
    ~Player() { close(); }

    // Returns why the bell did not sound, or nothing when it did.
    QString play()
    {
        if (!context_ && !load())
            return library_.errorString();
        int status = context_ ? CA_SUCCESS : open();
        // Kept in the sound server after the first ring, the sample is decoded once; every
        // later ring is one short request.
        if (status == CA_SUCCESS)
            status = play_(context_, 0, CA_PROP_EVENT_ID, bellEvent, CA_PROP_EVENT_DESCRIPTION,
                           "Tick", CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
        if (status == CA_SUCCESS)
            return {};
        close();
        return QString::fromUtf8(strerror_(status));
    }

  private:
    bool load()
    {
        return library_.load() && resolve(library_, create_, "ca_context_create") &&
               resolve(library_, setDriver_, "ca_context_set_driver") &&
               resolve(library_, changeProps_, "ca_context_change_props") &&
               resolve(library_, open_, "ca_context_open") &&
               resolve(library_, play_, "ca_context_play") &&
               resolve(library_, destroy_, "ca_context_destroy") &&
               resolve(library_, strerror_, "ca_strerror");
    }

    int open()
    {
        const QByteArray appId = QGuiApplication::desktopFileName().toUtf8();
        int status = create_(&context_);
        if (status == CA_SUCCESS)
            status = setDriver_(context_, "pulse");
        if (status == CA_SUCCESS)
            status = changeProps_(context_, CA_PROP_APPLICATION_NAME, "Tickwell",
                                  CA_PROP_APPLICATION_ID, appId.constData(),
                                  CA_PROP_APPLICATION_ICON_NAME, appId.constData(), nullptr);
        return status == CA_SUCCESS ? open_(context_) : status;
    }

    void close()
    {
        if (context_)
            destroy_(context_);
        context_ = nullptr;
    }

    QLibrary library_{QStringLiteral("canberra"), 0};
    ca_context *context_ = nullptr;
    decltype(&ca_context_create) create_ = nullptr;
    decltype(&ca_context_set_driver) setDriver_ = nullptr;
    decltype(&ca_context_change_props) changeProps_ = nullptr;
    decltype(&ca_context_open) open_ = nullptr;
    decltype(&ca_context_play) play_ = nullptr;
    decltype(&ca_context_destroy) destroy_ = nullptr;
    decltype(&ca_strerror) strerror_ = nullptr;
};

DesktopBell::DesktopBell() = default;
DesktopBell::~DesktopBell() = default;

// A sound server that goes away fails the ring at once, so the counters never wait for it.
void DesktopBell::ring()
{
    if (started_.isValid() && started_.elapsed() < fuseWithin)
        return;
    started_.start();
    if (!silentUntil_.hasExpired()) {
        QApplication::beep();
        return;
    }
    if (!player_)
        player_ = std::make_unique<Player>();
    if (const QString why = player_->play(); !why.isEmpty())
        fallBack(why);
}

// The display's bell stands in for a while; then the desktop's is tried again, in case its sound
// server came back.
void DesktopBell::fallBack(const QString &why)
{
    if (!told_)
        qWarning("tickwell: the desktop's bell cannot sound (%s); the display's bell rings instead",
                 qPrintable(why));
    told_ = true;
    silentUntil_.setRemainingTime(retryAfter);
    QApplication::beep();
}

} // namespace ui
