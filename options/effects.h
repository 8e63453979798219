// SPDX-License-Identifier: MIT
// What each button of the Options window does to the main window, kept as data.
#pragma once

#include <QList>
#include <QVariant>

namespace ui {
class Windows;
}

namespace options {

// A property of the main window or of its first counter that an option assigns.
enum class Target {
    DigitColour,      // text colour of the three fields
    FieldBackground,  // background of the three fields and the two ":" between them
    WindowBackground, // background of the main window itself
    Interval,         // milliseconds between the first counter's ticks
    Caption,          // the main window's title
    CaptionFromField, // the title becomes a copy of a field's text at this moment
    FontFace,
    Bold,
    Italic,
    Underline,
};

struct Assignment {
    Target target;
    QVariant value;
};

using Effect = QList<Assignment>;

// The assignments of option button N (Option1 … Option31), in order; empty for other numbers.
const Effect &optionEffect(int option);
// The Default button's assignments, in order.
const Effect &defaultEffect();

void apply(const Effect &effect, ui::Windows &windows);

} // namespace options
