// SPDX-License-Identifier: MIT
// The monkey's actions, its run of the real windows, and the shrinking of a failing run.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace monkey {

enum class Kind {
    Key,      // a key to the active window: a menu shortcut other than Exit, or a dialog key
    Entry,    // a menu entry of the main window other than Exit, chosen with the mouse
    Button,   // a button or option of an open secondary window, clicked
    Activate, // a click that makes an open window the active one
    Close,    // the window manager closes an open secondary window
    Pause,    // time passes and the timers tick
};

// What the action does is decided when it runs, from its choice and the windows open then, so
// any part of a sequence can be played on its own.
struct Action {
    Kind kind;
    quint32 choice;
};

struct Outcome {
    QString failure; // the first rule broken, empty when none was
    int steps = 0;   // actions played, up to and including the failing one
    QStringList log; // what each action did, when asked to describe it
    QString summary;
};

QList<Action> randomActions(quint64 seed, int count);
Outcome play(const QList<Action> &actions, bool describe);
// The shortest sequence found that breaks the same rule as the failing one.
QList<Action> shrink(QList<Action> failing);

} // namespace monkey
