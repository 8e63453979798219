// SPDX-License-Identifier: MIT
// A counter field at 10 ms repaints fifty times a second, and laying out its one or two digits
// again for each repaint cost as much as blending them. Each text that the fields have shown
// keeps its laid-out glyphs (QStaticText), so a repaint only blends them, where QLabel would
// shape the text anew.
#pragma once

#include <QList>

class QLabel;
class QWidget;

namespace stopwatch {

// The fields, all in one face, paint as QLabel paints them, pixel for pixel, from kept layouts.
// A face with a line through or under the text is painted by QLabel itself. The keeper fills
// each field's background too, which Qt then leaves to it (Qt::WA_OpaquePaintEvent). The keeper
// is the window's child "fieldLayouts".
void keepFieldLayouts(QWidget *window, const QList<QLabel *> &fields);

} // namespace stopwatch
