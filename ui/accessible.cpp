// SPDX-License-Identifier: MIT
#include "ui/accessible.h"

#include "ui/design.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>
#include <QRadioButton>

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

bool isRule(QObject *object)
{
    const auto *frame = qobject_cast<QFrame *>(object);
    return frame && (frame->frameShape() == QFrame::HLine || frame->frameShape() == QFrame::VLine);
}

QAccessibleInterface *describe(const QString &className, QObject *object)
{
    if (className == u"QRadioButton")
        return new AccessibleOption(static_cast<QRadioButton *>(object));
    // A line between controls separates them; Qt would call it a frame, around nothing.
    if (className == u"QFrame" && isRule(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Separator);
    return nullptr;
}

} // namespace

void describeControlsToScreenReaders()
{
    QAccessible::installFactory(describe);
}

} // namespace ui
