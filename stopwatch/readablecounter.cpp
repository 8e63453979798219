// SPDX-License-Identifier: MIT
#include "stopwatch/readablecounter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QPointer>

namespace stopwatch {

namespace {

constexpr char readingProperty[] = "counterReading";
constexpr char pieceProperty[] = "pieceOfReading";

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

// The other two fields and the colons are in the reading already: read on their own too, the
// count would be heard twice, once in pieces ("0 : 12 : First timer 0:12:5").
class PieceOfReading : public QAccessibleWidget {
  public:
    explicit PieceOfReading(QLabel *piece) : QAccessibleWidget(piece, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

QAccessibleInterface *readingOf(const QString &, QObject *object)
{
    auto *label = qobject_cast<QLabel *>(object);
    if (label && label->property(readingProperty).isValid())
        return new CounterReading(label);
    if (label && label->property(pieceProperty).toBool())
        return new PieceOfReading(label);
    return nullptr;
}

// A label describes itself to the accessibility layer when it gets its first text; that plain
// description is dropped so that the next query builds the one that the label is marked for.
template <typename Description> void describeAnew(QLabel *label, const char *mark, QVariant value)
{
    label->setProperty(mark, value);
    QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(label);
    if (plain && !dynamic_cast<Description *>(plain))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(plain));
}

} // namespace

void makeReadable(const CounterFields &fields, const QList<QLabel *> &colons, const QString &name)
{
    QAccessible::installFactory(readingOf);
    describeAnew<CounterReading>(fields.second, readingProperty,
                                 QVariant::fromValue(Reading{name, fields.hour, fields.minute}));
    for (QLabel *piece : QList{fields.hour, fields.minute} + colons)
        describeAnew<PieceOfReading>(piece, pieceProperty, true);
}

} // namespace stopwatch
