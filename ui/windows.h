// SPDX-License-Identifier: MIT
// The window layer: every window is reached by name, exists at most once, is created hidden
// on first reference from its design and is destroyed with all its run-time changes.
#pragma once

#include "ui/desktopbell.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QMessageBox;

namespace ui {

// What a window does when the window manager asks it to close (Alt+F4 or the like).
enum class OnClose { Unload, EndProgram, Ignore };

enum class MessageStyle { OkOnly, OkInformation };

class Windows : public QObject {
    Q_OBJECT
  public:
    using Factory = std::function<QWidget *(Windows &)>;

    Windows();
    ~Windows() override;

    void define(const QString &name, Factory factory, OnClose onClose = OnClose::Unload);

    QWidget &get(const QString &name);
    template <class Form> Form &get(const QString &name)
    {
        auto *form = qobject_cast<Form *>(&get(name));
        if (!form)
            qFatal("%s is not a %s", qPrintable(name), Form::staticMetaObject.className());
        return *form;
    }
    QWidget *find(const QString &name) const { return loaded_.value(name); }

    // Reaching a control of a window creates the window, hidden, when it does not exist.
    template <class Control> Control &control(const QString &window, const QString &name)
    {
        return *checked(get(window).findChild<Control *>(name), window, name);
    }

    void show(const QString &name);
    void unload(const QString &name);
    void end();
    bool ended() const { return ended_; }

    void message(const QString &text, MessageStyle style);
    void beep();

    // The desktop's bell and the message box; tests put counters in their place.
    std::function<void()> beeper;
    std::function<void(const QString &, MessageStyle)> messenger;

  signals:
    void created(const QString &name);
    void programEnded();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    struct Definition {
        Factory factory;
        OnClose onClose;
    };
    template <class Control>
    static Control *checked(Control *control, const QString &window, const QString &name)
    {
        if (!control)
            qFatal("%s has no %s called %s", qPrintable(window),
                   Control::staticMetaObject.className(), qPrintable(name));
        return control;
    }
    void showMessageBox(const QString &text, MessageStyle style);
    void returnKeysToMainWindow();
    void silence(QWidget *window);

    QHash<QString, Definition> definitions_;
    QHash<QString, QWidget *> loaded_;
    QPointer<QMessageBox> openMessage_;
    DesktopBell bell_;
    bool ended_ = false;
};

} // namespace ui
