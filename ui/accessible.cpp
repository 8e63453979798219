// SPDX-License-Identifier: MIT
#include "ui/accessible.h"

#include "ui/design.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

namespace ui {

namespace {

// A screen reader chooses an option through its one action. Qt's own action only moves the
// mark, which no click handler hears; here it is the click that the mouse or the space bar
// gives, so an option does the same however it is chosen, and again when chosen again.
class AccessibleOption : public QAccessibleWidget {
  public:
    explicit AccessibleOption(QRadioButton *option)
        : QAccessibleWidget(option, QAccessible::RadioButton)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !option()->accessibleName().isEmpty())
            return QAccessibleWidget::text(kind);
        return plainText(option()->text());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = option()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(toggleAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == toggleAction())
            option()->click();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    QRadioButton *option() const { return static_cast<QRadioButton *>(widget()); }
};

bool isRule(const QObject *object)
{
    const auto *frame = qobject_cast<const QFrame *>(object);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

// The frameless secondary windows: the reset confirmations, the cards and Options.
bool isCard(const QWidget *window)
{
    return window->isWindow() && qobject_cast<const QFrame *>(window) && !isRule(window);
}

// A card's texts as they stand, line by line and each line in the direction it reads.
QStringList linesOf(const QWidget *card)
{
    QList<QLabel *> labels;
    for (QLabel *label : card->findChildren<QLabel *>()) {
        if (!label->text().isEmpty() && label->isVisibleTo(card))
            labels += label;
    }
    const auto place = [card](const QLabel *label) {
        const QPoint corner = label->mapTo(card, QPoint());
        return std::pair(corner.y(), card->isRightToLeft() ? -corner.x() : corner.x());
    };
    std::stable_sort(labels.begin(), labels.end(),
                     [&](const QLabel *a, const QLabel *b) { return place(a) < place(b); });
    QStringList lines;
    for (const QLabel *label : std::as_const(labels))
        lines += label->text();
    return lines;
}

// To Qt a frameless window is only a frame, which a screen reader announces by name alone. A
// dialog it reads whole when it opens: its name, its role, then its description, which here is
// the card's text, in whichever language the card shows at that moment.
class AccessibleCard : public QAccessibleWidget {
  public:
    explicit AccessibleCard(QWidget *card) : QAccessibleWidget(card, QAccessible::Dialog) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Description || !widget()->accessibleDescription().isEmpty())
            return QAccessibleWidget::text(kind);
        return linesOf(widget()).join(u'\n');
    }
};

// A line of a card's text labels the card, which reads it out; a screen reader would otherwise
// take some lines for texts of their own, say only those and leave the rest unsaid.
class CardLine : public QAccessibleWidget {
  public:
    explicit CardLine(QLabel *line) : QAccessibleWidget(line, QAccessible::StaticText) {}

    QAccessible::Role role() const override
    {
        return label()->text().isEmpty() ? QAccessible::Graphic : QAccessible::StaticText;
    }

    QString text(QAccessible::Text kind) const override
    {
        return kind == QAccessible::Name ? label()->text() : QAccessibleWidget::text(kind);
    }

    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Labelled) && !label()->text().isEmpty())
            found.append({QAccessible::queryAccessibleInterface(label()->window()),
                          QAccessible::Labelled});
        return found;
    }

  private:
    QLabel *label() const { return static_cast<QLabel *>(widget()); }
};

QAccessibleInterface *describe(const QString &className, QObject *object)
{
    if (className == u"QRadioButton")
        return new AccessibleOption(static_cast<QRadioButton *>(object));
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    // A line between controls separates them; Qt would call it a frame, around nothing.
    if (className == u"QFrame" && isRule(widget))
        return new QAccessibleWidget(widget, QAccessible::Separator);
    if (className == u"QFrame" && isCard(widget))
        return new AccessibleCard(widget);
    if (className == u"QLabel" && isCard(widget->window()))
        return new CardLine(static_cast<QLabel *>(widget));
    // A plain container that takes the focus is a panel, whose texts a screen reader reads when
    // it gets the focus; it is otherwise a mere client area, which it passes over.
    if (className == u"QWidget" && widget->focusPolicy() != Qt::NoFocus)
        return new QAccessibleWidget(widget, QAccessible::Pane);
    return nullptr;
}

} // namespace

void describeControlsToScreenReaders()
{
    QAccessible::installFactory(describe);
}

} // namespace ui
