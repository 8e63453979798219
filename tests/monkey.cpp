// SPDX-License-Identifier: MIT
#include "monkey.h"

#include "app/form5.h"
#include "app/program.h"
#include "stopwatch/form1.h"
#include "ui/design.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>
#include <optional>

namespace monkey {

namespace {

constexpr qint64 cycleTicks = 216001; // from 0:0:0 round to 0:0:0 again
constexpr int shrinkSeconds = 120;

const QStringList rows[] = {{"Label1", "Label2", "Label3"}, {"Label6", "Label7", "Label8"}};
const QString cycleMessages[] = {
    QStringLiteral("First Timer One Hour Cycle Completed. Timer Will Now Reset!"),
    QStringLiteral("Second Timer One Hour Cycle Completed. Timer Will Now Reset!")};
const QString secondTimerOptions = QStringLiteral("There Is No Option Available For Second Timer!");

// Keys a user presses in a dialog; the menu shortcuts come from the main window's entries.
// Access keys (Alt+O and the like) are left out: their button clicks 100 ms later on a real-time
// timer, which no run could repeat exactly.
const QKeyCombination dialogKeys[] = {Qt::Key_Space,  Qt::Key_Return, Qt::Key_Enter,
                                      Qt::Key_Escape, Qt::Key_Tab,    Qt::Key_Up};

// The run follows the fake clock alone: every real-time timeout, which would tick a counter or end
// the splash whenever the machine happens to be slow, is swallowed.
class RealTimeMute : public QObject {
  protected:
    bool eventFilter(QObject *, QEvent *event) override { return event->type() == QEvent::Timer; }
};

// Ticks a timer at the moments its interval falls due on the fake clock, as its QTimer would.
struct Driver {
    ui::IntervalTimer *timer;
    int interval = 0;
    qint64 start = 0;
    qint64 fired = 0;

    qint64 due() const { return interval > 0 ? start + (fired + 1) * interval : -1; }
    void follow(qint64 now)
    {
        if (timer->interval() == interval)
            return;
        interval = timer->interval();
        start = now;
        fired = 0;
    }
};

// The count a row shows: h:m:s is h*3600 + m*60 + s, with h:60:0 standing for (h+1)*3600.
std::optional<qint64> countOf(const QStringList &texts, QString *why)
{
    static const QRegularExpression whole(QStringLiteral("^(0|[1-9][0-9]?)$"));
    int value[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!whole.match(texts[i]).hasMatch() || texts[i].toInt() > 60) {
            *why = QStringLiteral("field reads \"%1\"").arg(texts[i]);
            return std::nullopt;
        }
        value[i] = texts[i].toInt();
    }
    const auto [hour, minute, second] = value;
    if (hour == 60 || second == 60 || (minute == 60 && second != 0) ||
        (hour > 0 && minute == 0 && second == 0)) {
        *why = QStringLiteral("no tick shows %1").arg(texts.join(u':'));
        return std::nullopt;
    }
    return hour * 3600 + minute * 60 + second;
}

qint64 pauseOf(quint32 choice, int firstInterval)
{
    // Mostly short pauses, some long ones, and now and then an idle stretch in which the first
    // counter goes round its whole cycle, whatever its interval.
    constexpr qint64 longest[] = {50, 300, 1500, 1500, 5000, 20000, 60000, 120000};
    if ((choice >> 3) % 1000 == 0)
        return cycleTicks * firstInterval;
    return 1 + qint64((choice >> 3) % quint32(longest[choice & 7]));
}

QString keyName(QKeyCombination key)
{
    return QKeySequence(key).toString();
}

class World {
  public:
    explicit World(bool describing);

    void perform(const Action &action);
    bool failed() const { return !failure.isEmpty(); }

    QString failure;
    QStringList log;
    qint64 ticks = 0;
    int wraps = 0;

  private:
    Form1 &form1() { return windows_.get<Form1>(QStringLiteral("Form1")); }
    QStringList texts(int row);
    QList<QWidget *> openWindows(bool withMain) const;
    void fail(const QString &rule, const QString &detail);
    void settle();
    void note(const QString &what);
    // One of the items by the action's choice, or none (noted) when there is none to take.
    template <class Item> Item *pick(const QList<Item *> &items, quint32 choice, const char *none)
    {
        if (items.isEmpty())
            note(QString::fromLatin1(none));
        return items.isEmpty() ? nullptr : items[choice % items.size()];
    }

    void pressKey(quint32 choice);
    void chooseEntry(quint32 choice);
    void clickButton(quint32 choice);
    void activate(quint32 choice);
    void close(quint32 choice);
    void pause(qint64 milliseconds);

    void checkTick(int row);
    void checkAfterAction();
    void checkRows();
    void checkMarks();
    void checkSecondRow();
    void checkWindows();
    void checkMessagesAndBeeps();

    const bool describing_;
    RealTimeMute mute_;
    ui::Windows windows_;
    qint64 now_ = 0;
    int beeps_ = 0;
    QStringList messages_;
    int beepsSeen_ = 0;
    qsizetype messagesSeen_ = 0;
    qint64 counts_[2] = {};
    QList<Driver> drivers_;
    QList<QKeyCombination> keys_;
    QList<QAction *> entries_;
};

World::World(bool describing) : describing_(describing)
{
    qApp->installEventFilter(&mute_);
    app::defineWindows(windows_);
    windows_.beeper = [this] { ++beeps_; };
    windows_.messenger = [this](const QString &text, ui::MessageStyle) { messages_ << text; };
    app::start(windows_);
    settle();
    windows_.get<Form5>(QStringLiteral("Form5")).Form5_Timer1_Timer(); // its two seconds are up
    settle();
    Form1 &form = form1();
    for (ui::IntervalTimer *timer : {&form.Timer1, &form.Timer2}) {
        const int interval = timer->interval();
        timer->setClock([this] { return now_; });
        timer->setInterval(0); // starts again on the fake clock, at its design interval
        timer->setInterval(interval);
        drivers_.append({timer});
        drivers_.last().follow(now_);
    }
    // Connected after the window's own handlers, so these see each tick's result.
    QObject::connect(&form.Timer1, &ui::IntervalTimer::tick, [this] { checkTick(0); });
    QObject::connect(&form.Timer2, &ui::IntervalTimer::tick, [this] { checkTick(1); });
    for (QAction *entry : form.findChildren<QAction *>()) {
        if (entry->isSeparator() || entry->menu() || entry->objectName() == u"MnuExit")
            continue;
        entries_ << entry;
        if (!entry->shortcut().isEmpty())
            keys_ << entry->shortcut()[0];
    }
    for (QKeyCombination key : dialogKeys)
        keys_ << key;
    checkAfterAction();
}

void World::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void World::note(const QString &what)
{
    if (describing_)
        log << what;
}

QStringList World::texts(int row)
{
    QStringList result;
    for (const QString &field : rows[row])
        result << ui::caption(&windows_.control<QLabel>(QStringLiteral("Form1"), field));
    return result;
}

QList<QWidget *> World::openWindows(bool withMain) const
{
    QList<QWidget *> open;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->objectName().startsWith(u"Form") &&
            (withMain || window->objectName() != u"Form1"))
            open << window;
    std::sort(open.begin(), open.end(),
              [](QWidget *a, QWidget *b) { return a->objectName() < b->objectName(); });
    return open;
}

void World::fail(const QString &rule, const QString &detail)
{
    if (!failed())
        failure = rule + QStringLiteral(": ") + detail;
}

void World::perform(const Action &action)
{
    switch (action.kind) {
    case Kind::Key:
        pressKey(action.choice);
        break;
    case Kind::Entry:
        chooseEntry(action.choice);
        break;
    case Kind::Button:
        clickButton(action.choice);
        break;
    case Kind::Activate:
        activate(action.choice);
        break;
    case Kind::Close:
        close(action.choice);
        break;
    case Kind::Pause:
        pause(pauseOf(action.choice, form1().Timer1.interval()));
        break;
    }
    settle();
    checkAfterAction();
}

void World::pressKey(quint32 choice)
{
    const QKeyCombination key = keys_[choice % keys_.size()];
    QWidget *window = QApplication::activeWindow();
    if (!window) {
        note(QStringLiteral("press %1 with no window active").arg(keyName(key)));
        return;
    }
    QWidget *focus = QApplication::focusWidget();
    QWidget *target = focus && focus->window() == window ? focus : window;
    note(QStringLiteral("press %1 in %2").arg(keyName(key), window->objectName()));
    QTest::keyClick(target, key.key(), key.keyboardModifiers());
}

void World::chooseEntry(quint32 choice)
{
    QAction *entry = entries_[choice % entries_.size()];
    note(QStringLiteral("choose %1").arg(entry->objectName()));
    entry->trigger();
}

void World::clickButton(quint32 choice)
{
    QList<QAbstractButton *> buttons;
    for (QWidget *window : openWindows(false)) {
        QList<QAbstractButton *> own = window->findChildren<QAbstractButton *>();
        std::sort(own.begin(), own.end(),
                  [](QObject *a, QObject *b) { return a->objectName() < b->objectName(); });
        for (QAbstractButton *button : own)
            if (button->isVisible() && button->isEnabled())
                buttons << button;
    }
    QAbstractButton *button = pick(buttons, choice, "no button to click");
    if (!button)
        return;
    note(
        QStringLiteral("click %1 in %2").arg(button->objectName(), button->window()->objectName()));
    button->click();
}

void World::activate(quint32 choice)
{
    QWidget *window = pick(openWindows(true), choice, "no window to activate");
    if (!window)
        return;
    note(QStringLiteral("activate %1").arg(window->objectName()));
    window->activateWindow();
}

void World::close(quint32 choice)
{
    QWidget *window = pick(openWindows(false), choice, "no secondary window to close");
    if (!window)
        return;
    note(QStringLiteral("window manager closes %1").arg(window->objectName()));
    window->close();
}

void World::pause(qint64 milliseconds)
{
    note(QStringLiteral("wait %1 ms").arg(milliseconds));
    const qint64 until = now_ + milliseconds;
    while (!failed()) {
        Driver *next = nullptr;
        for (Driver &driver : drivers_)
            if (driver.due() >= 0 && driver.due() <= until && (!next || driver.due() < next->due()))
                next = &driver;
        if (!next)
            break;
        now_ = next->due();
        ++next->fired;
        next->timer->deliverDueTicks();
        for (Driver &driver : drivers_)
            driver.follow(now_);
    }
    now_ = until;
}

void World::checkTick(int row)
{
    ++ticks;
    QString why;
    const std::optional<qint64> count = countOf(texts(row), &why);
    const qint64 expected = (counts_[row] + 1) % cycleTicks;
    if (!count)
        return fail(QStringLiteral("tick shows a whole count"), why);
    if (*count != expected)
        return fail(QStringLiteral("tick adds one"),
                    QStringLiteral("row %1 went from count %2 to %3")
                        .arg(row + 1)
                        .arg(counts_[row])
                        .arg(*count));
    counts_[row] = *count;
    const QStringList cycle = expected == 0 ? QStringList{cycleMessages[row]} : QStringList{};
    if (messages_.mid(messagesSeen_) != cycle)
        return fail(QStringLiteral("cycle message exactly at the wrap"),
                    messages_.mid(messagesSeen_).join(u'|'));
    wraps += int(expected == 0);
    messagesSeen_ = messages_.size();
    const bool beep = row == 0 && windows_.control<QAction>("Form1", "MnuBeep").isChecked();
    if (beeps_ != beepsSeen_ + int(beep))
        return fail(QStringLiteral("a beep on every first-counter tick while Beep is marked"),
                    QStringLiteral("%1 beeps, %2 expected").arg(beeps_).arg(beepsSeen_ + beep));
    beepsSeen_ = beeps_;
}

void World::checkAfterAction()
{
    if (windows_.ended())
        return fail(QStringLiteral("the program runs on"), QStringLiteral("it ended"));
    checkRows();
    checkMarks();
    checkSecondRow();
    checkWindows();
    checkMessagesAndBeeps();
}

void World::checkRows()
{
    for (int row = 0; row < 2; ++row) {
        QString why;
        const std::optional<qint64> count = countOf(texts(row), &why);
        if (!count)
            return fail(QStringLiteral("fields show a whole count"), why);
        if (*count != counts_[row] && *count != 0)
            return fail(QStringLiteral("only a tick or a reset changes a count"),
                        QStringLiteral("row %1 went from %2 to %3")
                            .arg(row + 1)
                            .arg(counts_[row])
                            .arg(*count));
        counts_[row] = *count;
    }
}

void World::checkMarks()
{
    for (const auto &[one, other] :
         {std::pair{"MnuBeep", "MnunoBeep"}, {"MnuEnglish", "MnuFarsi"}}) {
        const bool a = windows_.control<QAction>("Form1", one).isChecked();
        const bool b = windows_.control<QAction>("Form1", other).isChecked();
        if (a == b)
            return fail(QStringLiteral("exactly one mark of each pair"),
                        QStringLiteral("%1 %2, %3 %4").arg(one).arg(a).arg(other).arg(b));
    }
}

void World::checkSecondRow()
{
    QLabel &label = windows_.control<QLabel>(QStringLiteral("Form1"), QStringLiteral("Label6"));
    const int clientHeight = label.parentWidget()->height();
    const bool running = form1().Timer2.interval() != 0;
    const bool shows = label.y() < clientHeight;
    const bool whole = label.geometry().bottom() < clientHeight;
    if (shows != running || (running && !whole))
        return fail(QStringLiteral("second row shows exactly while its timer runs"),
                    QStringLiteral("interval %1, row top %2, bottom %3, client height %4")
                        .arg(form1().Timer2.interval())
                        .arg(label.y())
                        .arg(label.geometry().bottom())
                        .arg(clientHeight));
}

void World::checkWindows()
{
    QHash<QString, int> instances;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName().startsWith(u"Form"))
            ++instances[window->objectName()];
    for (auto it = instances.cbegin(); it != instances.cend(); ++it) {
        if (it.value() > 1)
            return fail(QStringLiteral("at most one of each window"),
                        QStringLiteral("%1 instances of %2").arg(it.value()).arg(it.key()));
        if (!windows_.find(it.key()))
            return fail(QStringLiteral("every window alive is reachable by its name"), it.key());
    }
}

void World::checkMessagesAndBeeps()
{
    for (const QString &message : messages_.mid(messagesSeen_))
        if (message != secondTimerOptions)
            return fail(QStringLiteral("no message but Timer 2's outside a tick"), message);
    messagesSeen_ = messages_.size();
    if (beeps_ != beepsSeen_)
        return fail(QStringLiteral("no beep outside a tick"), QString::number(beeps_));
}

QString ruleOf(const QString &failure)
{
    return failure.section(u':', 0, 0);
}

} // namespace

QList<Action> randomActions(quint64 seed, int count)
{
    // Weights of the kinds, in percent: keys and clicks most, pauses often enough to tick.
    constexpr std::pair<Kind, int> weights[] = {{Kind::Key, 30},    {Kind::Entry, 18},
                                                {Kind::Button, 27}, {Kind::Activate, 8},
                                                {Kind::Close, 5},   {Kind::Pause, 12}};
    QRandomGenerator random(quint32(seed) ^ quint32(seed >> 32));
    QList<Action> actions;
    actions.reserve(count);
    for (int i = 0; i < count; ++i) {
        int roll = int(random.bounded(100u));
        Kind kind = Kind::Pause;
        for (const auto &[candidate, weight] : weights) {
            if (roll < weight) {
                kind = candidate;
                break;
            }
            roll -= weight;
        }
        actions.append({kind, random.generate()});
    }
    return actions;
}

Outcome play(const QList<Action> &actions, bool describe)
{
    Outcome outcome;
    {
        World world(describe);
        for (const Action &action : actions) {
            if (world.failed())
                break;
            ++outcome.steps;
            world.perform(action);
        }
        outcome.failure = world.failure;
        outcome.log = world.log;
        outcome.summary = QStringLiteral("%1 actions, %2 ticks, %3 counter cycles completed")
                              .arg(outcome.steps)
                              .arg(world.ticks)
                              .arg(world.wraps);
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return outcome;
}

// Delta debugging: drop ever smaller slices of the sequence while it still breaks the same rule.
QList<Action> shrink(QList<Action> failing)
{
    const QString rule = ruleOf(play(failing, false).failure);
    QElapsedTimer clock;
    clock.start();
    qsizetype slices = 2;
    while (failing.size() > 1 && clock.elapsed() < shrinkSeconds * 1000) {
        const qsizetype slice = (failing.size() + slices - 1) / slices;
        bool dropped = false;
        for (qsizetype start = 0; start < failing.size() && !dropped; start += slice) {
            QList<Action> rest = failing.first(start) + failing.mid(start + slice);
            const Outcome outcome = play(rest, false);
            if (ruleOf(outcome.failure) == rule && !outcome.failure.isEmpty()) {
                failing = rest.first(outcome.steps);
                slices = std::max<qsizetype>(slices - 1, 2);
                dropped = true;
            }
        }
        if (!dropped && slices >= failing.size())
            break;
        if (!dropped)
            slices = std::min(slices * 2, failing.size());
    }
    return failing;
}

} // namespace monkey
