// SPDX-License-Identifier: MIT
#include "stopwatch/readablecounter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace stopwatch {

namespace {

constexpr char readingProperty[] = "counterReading";

struct Reading {
    QString name;
    QPointer<QLabel> hour;
    QPointer<QLabel> minute;
};

// The seconds field is the one whose text changes on every tick, so the accessibility layer
// already tells screen readers after each tick that its name changed.
class CounterReading : public QAccessibleWidget {
  public:
    explicit CounterReading(QLabel *second) : QAccessibleWidget(second, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name)
            return QAccessibleWidget::text(kind);
        const auto reading = widget()->property(readingProperty).value<Reading>();
        const auto *second = static_cast<const QLabel *>(widget());
        return QStringLiteral("%1 %2:%3:%4")
            .arg(reading.name, reading.hour->text(), reading.minute->text(), second->text());
    }
};

QAccessibleInterface *readingOf(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (!label || !label->property(readingProperty).isValid())
        return nullptr;
    return new CounterReading(label);
}

// A label describes itself to the accessibility layer when it gets its first text; that plain
// description is dropped so that the next query builds the reading.
void forgetPlainInterface(QObject *object)
{
    QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(object);
    if (plain && !dynamic_cast<CounterReading *>(plain))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
}

} // namespace

void makeReadable(const CounterFields &fields, const QString &name)
{
    QAccessible::installFactory(readingOf);
    fields.second->setProperty(readingProperty,
                               QVariant::fromValue(Reading{name, fields.hour, fields.minute}));
    forgetPlainInterface(fields.second);
}

} // namespace stopwatch
