// SPDX-License-Identifier: MIT
#include "ui/windows.h"

#include "ui/accessible.h"
#include "ui/design.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPixmapCache>
#include <QScreen>

namespace ui {

namespace {

const QString programTitle = QStringLiteral("Tickwell");

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

// The compositor waits for a frame drawn after the activation only from a Wayland client. On X11,
// under XWayland too, the frame that the window drew when it was exposed is on the screen
// already, and drawing it again would send all its pixels to the X server a second time, the
// splash's just as its first frame shows.
bool compositorWaitsForFrame()
{
    return QGuiApplication::platformName().startsWith(u"wayland");
}

} // namespace

Windows::Windows()
{
    describeControlsToScreenReaders();
    // The style would cache each control's look under the palette it was painted with, and
    // controls under a colour of a window's own design hold palettes that no later copy of the
    // window shares, so those looks are never used again; Qt 6.4 keeps even a cleared look's key.
    // The looks are a few small buttons, cheaper to paint than to keep.
    QPixmapCache::setCacheLimit(0);
}

Windows::~Windows()
{
    for (QWidget *window : std::as_const(loaded_))
        delete window;
}

void Windows::define(const QString &name, Factory factory, OnClose onClose)
{
    definitions_.insert(name, {std::move(factory), onClose});
}

QWidget &Windows::get(const QString &name)
{
    if (QWidget *window = loaded_.value(name))
        return *window;
    const auto definition = definitions_.constFind(name);
    if (definition == definitions_.cend())
        qFatal("no window is called %s", qPrintable(name));
    QWidget *window = definition->factory(*this);
    window->setObjectName(name);
    applyDesign(window);
    window->installEventFilter(this);
    loaded_.insert(name, window);
    emit created(name);
    return *window;
}

void Windows::show(const QString &name)
{
    QWidget &window = get(name);
    if (window.isVisible()) {
        window.raise();
    } else {
        if (!window.testAttribute(Qt::WA_WState_ExplicitShowHide))
            centreOnScreen(&window);
        window.show();
    }
    window.activateWindow();
}

// The window goes at once; the object itself waits for the event loop, because the handler
// that unloads it may be running inside one of its own buttons.
void Windows::unload(const QString &name)
{
    QWidget *window = loaded_.take(name);
    if (!window)
        return;
    window->removeEventFilter(this);
    const bool hadKeys = window->isActiveWindow();
    window->hide();
    window->deleteLater();
    if (hadKeys)
        returnKeysToMainWindow();
}

// Without a window manager nothing passes the keys on when the window holding them goes; they
// return to the main window, from which every command is reached.
void Windows::returnKeysToMainWindow()
{
    for (auto window = loaded_.cbegin(); window != loaded_.cend(); ++window) {
        const bool isMain = definitions_.value(window.key()).onClose == OnClose::EndProgram;
        if (isMain && (*window)->isVisible())
            (*window)->activateWindow();
    }
}

void Windows::silence(QWidget *window)
{
    window->removeEventFilter(this);
    window->hide();
    // No handler of the program may run once it has ended: not a tick, menu entry or button.
    window->blockSignals(true);
    for (QObject *child : window->findChildren<QObject *>())
        child->blockSignals(true);
}

void Windows::end()
{
    if (ended_)
        return;
    ended_ = true;
    for (QWidget *window : std::as_const(loaded_))
        silence(window);
    if (openMessage_)
        openMessage_->done(QMessageBox::Ok);
    emit programEnded();
}

void Windows::message(const QString &text, MessageStyle style)
{
    if (ended_)
        return;
    if (messenger)
        messenger(text, style);
    else
        showMessageBox(text, style);
}

void Windows::showMessageBox(const QString &text, MessageStyle style)
{
    QMessageBox box(style == MessageStyle::OkInformation ? QMessageBox::Information
                                                         : QMessageBox::NoIcon,
                    programTitle, text, QMessageBox::Ok);
    openMessage_ = &box;
    const QPointer<QWidget> hadKeys = QApplication::activeWindow();
    box.exec();
    if (hadKeys && !ended_)
        hadKeys->activateWindow();
}

void Windows::beep()
{
    if (beeper)
        beeper();
    else
        bell_.ring();
}

bool Windows::eventFilter(QObject *watched, QEvent *event)
{
    // A Wayland compositor such as sway shows a new window only once the window has drawn a frame
    // after taking its first activation, and waits 200 ms for one otherwise; Qt 6.4 takes the
    // activation without drawing, so each window draws itself anew.
    if (event->type() == QEvent::WindowActivate && compositorWaitsForFrame())
        static_cast<QWidget *>(watched)->update();
    // The program itself never closes a window, so a close comes from the window manager.
    if (event->type() != QEvent::Close)
        return QObject::eventFilter(watched, event);
    event->ignore();
    const QString name = watched->objectName();
    switch (definitions_.value(name).onClose) {
    case OnClose::Unload:
        unload(name);
        break;
    case OnClose::EndProgram:
        end();
        break;
    case OnClose::Ignore:
        break;
    }
    return true;
}

} // namespace ui
