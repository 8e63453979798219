// SPDX-License-Identifier: MIT
// Screen readers read a counter as one value, "First timer 0:12:5", while sighted users see
// the same three field labels as before.
#pragma once

#include "stopwatch/counter.h"

class QString;

namespace stopwatch {

// The seconds field speaks for its whole counter, under the given name. Its reading is put
// together only when a screen reader asks, so a tick costs nothing more than before.
void makeReadable(const CounterFields &fields, const QString &name);

} // namespace stopwatch
