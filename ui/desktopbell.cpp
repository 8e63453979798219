// SPDX-License-Identifier: MIT
#include "ui/desktopbell.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QLibrary>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include <canberra.h>

namespace ui {

namespace {

constexpr char bellEvent[] = "bell-window-system"; // the theme's bell for "something wants you"
using namespace std::chrono_literals;

constexpr auto retryAfter = 10s; // of the display's bell once the desktop's has failed
// Bells that start closer together than this fuse into one sound to the ear. A counter at 10 ms
// would otherwise start a hundred overlapping bells a second, each a round trip to the sound
// server, at more CPU than the counter itself costs.
constexpr auto fuseWithin = 45ms;
// A sound server that holds a ring longer than this has hung, or is suspended.
constexpr auto answerWithin = 1s;

const char *const said[] = {"", "no sound server", "the sound server has not answered for a second",
                            "the sound theme has no bell",
                            "libcanberra or its PulseAudio driver is missing"};

// libcanberra's entry points, resolved at the first ring; the library stays loaded from then on.
struct Canberra {
    decltype(&ca_context_create) create;
    decltype(&ca_context_set_driver) setDriver;
    decltype(&ca_context_change_props) changeProps;
    decltype(&ca_context_open) open;
    decltype(&ca_context_play) play;
    decltype(&ca_context_destroy) destroy;
};

template <class Function> bool resolve(QLibrary &library, Function &function, const char *name)
{
    function = reinterpret_cast<Function>(library.resolve(name));
    return function != nullptr;
}

const Canberra *canberra()
{
    static const std::optional<Canberra> loaded = []() -> std::optional<Canberra> {
        QLibrary library(QStringLiteral("canberra"), 0);
        Canberra api{};
        if (library.load() && resolve(library, api.create, "ca_context_create") &&
            resolve(library, api.setDriver, "ca_context_set_driver") &&
            resolve(library, api.changeProps, "ca_context_change_props") &&
            resolve(library, api.open, "ca_context_open") &&
            resolve(library, api.play, "ca_context_play") &&
            resolve(library, api.destroy, "ca_context_destroy"))
            return api;
        return std::nullopt;
    }();
    return loaded ? &*loaded : nullptr;
}

BellFailure failureOf(int status)
{
    switch (status) {
    case CA_SUCCESS:
        return BellFailure::None;
    case CA_ERROR_NOTFOUND:
        return BellFailure::NoBell;
    case CA_ERROR_NODRIVER:
        return BellFailure::NoLibrary;
    default:
        return BellFailure::NoServer;
    }
}

// A connection to the sound server through libcanberra's driver for it alone: where no server
// runs, the other drivers print complaints of their own.
class Connection {
  public:
    explicit Connection(QByteArray appId) : appId_(std::move(appId)) {}
    ~Connection() { close(); }

    BellFailure play()
    {
        const Canberra *api = canberra();
        if (!api)
            return BellFailure::NoLibrary;
        int status = context_ ? CA_SUCCESS : open(*api);
        // Kept in the sound server after the first ring, the sample is decoded once; every
        // later ring is one short request.
        if (status == CA_SUCCESS)
            status = api->play(context_, 0, CA_PROP_EVENT_ID, bellEvent, CA_PROP_EVENT_DESCRIPTION,
                               "Tick", CA_PROP_CANBERRA_CACHE_CONTROL, "permanent", nullptr);
        // A theme without the bell leaves a working connection; any other failure closes it, so
        // that the next ring opens a new one.
        if (status != CA_SUCCESS && status != CA_ERROR_NOTFOUND)
            close();
        return failureOf(status);
    }

  private:
    int open(const Canberra &api)
    {
        int status = api.create(&context_);
        if (status == CA_SUCCESS)
            status = api.setDriver(context_, "pulse");
        if (status == CA_SUCCESS)
            status = api.changeProps(context_, CA_PROP_APPLICATION_NAME, "Tickwell",
                                     CA_PROP_APPLICATION_ID, appId_.constData(),
                                     CA_PROP_APPLICATION_ICON_NAME, appId_.constData(), nullptr);
        return status == CA_SUCCESS ? api.open(context_) : status;
    }

    void close()
    {
        if (context_)
            canberra()->destroy(context_);
        context_ = nullptr;
    }

    const QByteArray appId_;
    ca_context *context_ = nullptr;
};

// libcanberra waits for the sound server's answer to every request, without a timeout, so it
// runs on a thread of its own, one ring at a time; the answer comes back through the event loop.
class SoundServerPlayer {
  public:
    SoundServerPlayer()
        : shared_(std::make_shared<Shared>(QGuiApplication::desktopFileName().toUtf8(), &inbox_)),
          thread_(serve, shared_)
    {
    }

    ~SoundServerPlayer()
    {
        std::unique_lock lock(shared_->mutex);
        shared_->ending = true;
        shared_->inbox = nullptr;
        const bool playing = shared_->playing;
        lock.unlock();
        shared_->wake.notify_one();
        if (!playing) {
            thread_.join();
            return;
        }
        // A ring stuck in the sound server never holds up the end of the program: its thread
        // and connection are left to the end of the process, and nothing tears them down before.
        static auto *const abandoned = new std::vector<std::shared_ptr<Shared>>;
        abandoned->push_back(shared_);
        thread_.detach();
    }

    void play(DesktopBell::Answer answer)
    {
        const std::scoped_lock lock(shared_->mutex);
        shared_->answer = std::move(answer);
        shared_->wake.notify_one();
    }

  private:
    struct Shared {
        Shared(QByteArray appId, QObject *receiver) : connection(std::move(appId)), inbox(receiver)
        {
        }
        Connection connection; // the bell's thread's alone
        QObject *inbox;        // where answers go; gone once the player ends
        std::mutex mutex;
        std::condition_variable wake;
        DesktopBell::Answer answer; // of the ring asked for, until the bell's thread takes it
        bool playing = false;
        bool ending = false;
    };

    static void serve(const std::shared_ptr<Shared> &shared)
    {
        std::unique_lock lock(shared->mutex);
        while (true) {
            shared->wake.wait(lock, [&] { return shared->answer || shared->ending; });
            if (shared->ending)
                return;
            const DesktopBell::Answer answer = std::exchange(shared->answer, {});
            shared->playing = true;
            lock.unlock();
            const BellFailure failure = shared->connection.play();
            lock.lock();
            shared->playing = false;
            if (shared->inbox)
                QMetaObject::invokeMethod(
                    shared->inbox, [answer, failure] { answer(failure); }, Qt::QueuedConnection);
        }
    }

    QObject inbox_; // in the thread that asks, where the answers are delivered
    std::shared_ptr<Shared> shared_;
    std::thread thread_;
};

} // namespace

DesktopBell::Play DesktopBell::soundServer()
{
    return [player = std::make_shared<SoundServerPlayer>()](Answer answer) {
        player->play(std::move(answer));
    };
}

DesktopBell::DesktopBell(std::function<Play()> makePlayer, Clock clock)
    : displayBell(&QApplication::beep), makePlayer_(std::move(makePlayer)),
      clock_(clock ? std::move(clock)
                   : Clock([] { return Time(QDeadlineTimer::current().deadline()); }))
{
    stuck_.setSingleShot(true);
    stuck_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&stuck_, &QTimer::timeout, &stuck_, [this] { standInIfStuck(); });
}

// At most one ring is in flight; another that comes meanwhile fuses with it.
void DesktopBell::ring()
{
    const Time now = clock_();
    if (now - lastRing_ < fuseWithin)
        return;
    lastRing_ = now;
    if (inFlight_ && !stoodIn_)
        return;
    if (inFlight_ || now < retryAt_)
        return displayBell();
    if (!play_)
        play_ = makePlayer_();
    inFlight_ = true;
    stoodIn_ = false;
    askedAt_ = now;
    stuck_.start(answerWithin);
    play_([this](BellFailure failure) { answered(failure); });
}

void DesktopBell::standInIfStuck()
{
    if (!inFlight_ || stoodIn_ || clock_() - askedAt_ < answerWithin)
        return;
    stoodIn_ = true;
    fallBack(BellFailure::NoAnswer);
}

// A sound server that answers again brings the desktop's bell back. After a failure the display's
// bell stands in for a while, then the desktop's is tried again, in case its sound server came
// back; a missing library stays missing.
void DesktopBell::answered(BellFailure failure)
{
    inFlight_ = false;
    stuck_.stop();
    if (failure == BellFailure::None)
        return;
    retryAt_ = failure == BellFailure::NoLibrary ? Time::max() : clock_() + retryAfter;
    if (stoodIn_)
        tell(failure);
    else
        fallBack(failure);
}

void DesktopBell::fallBack(BellFailure failure)
{
    tell(failure);
    displayBell();
}

// Each failure is told once, when it first happens.
void DesktopBell::tell(BellFailure failure)
{
    if (!std::exchange(told_[std::size_t(failure)], true))
        qWarning("tickwell: the desktop's bell cannot sound (%s); the display's bell rings instead",
                 said[std::size_t(failure)]);
}

} // namespace ui
