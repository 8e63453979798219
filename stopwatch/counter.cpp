// SPDX-License-Identifier: MIT
#include "stopwatch/counter.h"

#include "ui/design.h"

#include <QLabel>
#include <QLocale>

#include <optional>

namespace stopwatch {

namespace {

const QString sixty = QStringLiteral("60");
const QString zero = QStringLiteral("0");

// Up to three decimal digits the sum through a double is exact and its shortest text has no
// exponent, so integers give the same text without the two conversions every tick would pay.
constexpr qsizetype plainDigits = 3;

std::optional<int> smallWholeNumber(const QString &text)
{
    if (text.isEmpty() || text.size() > plainDigits)
        return std::nullopt;
    int value = 0;
    for (const QChar digit : text) {
        if (digit < u'0' || digit > u'9')
            return std::nullopt;
        value = value * 10 + (digit.unicode() - u'0');
    }
    return value;
}

void increment(QLabel *field)
{
    const QString text = ui::caption(field);
    if (const std::optional<int> value = smallWholeNumber(text)) {
        ui::setCaption(field, QString::number(*value + 1));
        return;
    }
    const double value = text.toDouble() + 1;
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
