// SPDX-License-Identifier: MIT
#include "stopwatch/counter.h"

#include "ui/design.h"

#include <QLabel>
#include <QLocale>

namespace stopwatch {

namespace {

const QString sixty = QStringLiteral("60");
const QString zero = QStringLiteral("0");

void increment(QLabel *field)
{
    const double value = ui::caption(field).toDouble() + 1;
    ui::setCaption(field, QString::number(value, 'g', QLocale::FloatingPointShortest));
}

bool reads(const QLabel *field, const QString &text)
{
    return ui::caption(field) == text;
}

} // namespace

bool advance(const CounterFields &fields)
{
    increment(fields.second);
    // The minute carry waits for the tick after the second field wrapped, so h:60:0 shows once.
    if (reads(fields.second, sixty)) {
        ui::setCaption(fields.second, zero);
        increment(fields.minute);
    } else if (reads(fields.minute, sixty)) {
        ui::setCaption(fields.minute, zero);
        increment(fields.hour);
    }
    if (!reads(fields.hour, sixty))
        return false;
    for (QLabel *field : {fields.hour, fields.minute, fields.second})
        ui::setCaption(field, zero);
    return true;
}

} // namespace stopwatch
