// SPDX-License-Identifier: MIT
// A counter is three field labels; their caption text is the count, and there is no other copy.
#pragma once

class QLabel;

namespace stopwatch {

struct CounterFields {
    QLabel *hour;
    QLabel *minute;
    QLabel *second;
};

// One tick: the second field goes up by one and carries at "60". Returns true when the hour
// field reached "60" and the whole counter went back to 0:0:0.
bool advance(const CounterFields &fields);

} // namespace stopwatch
