// SPDX-License-Identifier: MIT
// Screen readers read a counter as one value, "First timer 0:12:5", while sighted users see
// the same three field labels as before.
#pragma once

#include "stopwatch/counter.h"

#include <QList>

class QString;

namespace stopwatch {

// The seconds field speaks for its whole counter, under the given name, and the other fields and
// the colons between them keep silent. Its reading is put together only when a screen reader
// asks, so a tick costs nothing more than before.
void makeReadable(const CounterFields &fields, const QList<QLabel *> &colons, const QString &name);

} // namespace stopwatch
