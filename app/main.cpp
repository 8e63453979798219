// SPDX-License-Identifier: MIT
#include "app/program.h"
#include "app/version.h"
#include "ui/windows.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler defaultHandler = nullptr;
QByteArray failedPlatform = qgetenv("QT_QPA_PLATFORM");

// Qt names the platform it could not start in a warning before its fatal message, which then
// aborts with a core dump. Every message goes on as Qt would print it; the fatal one becomes one
// line that names the platform and its display.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    const QString named = text.section(u'"', 1, 1);
    if (text.startsWith(u"Could not load the Qt platform plugin") && !named.isEmpty())
        failedPlatform = named.toLocal8Bit();
    if (type != QtFatalMsg) {
        defaultHandler(type, context, text);
        return;
    }
    const char *display =
        std::getenv(failedPlatform.startsWith("wayland") ? "WAYLAND_DISPLAY" : "DISPLAY");
    std::fprintf(stderr,
                 "tickwell: Qt's %s platform cannot open the display%s%s; start it on a desktop, "
                 "or under xvfb-run where there is none\n",
                 failedPlatform.isEmpty() ? "default" : failedPlatform.constData(),
                 display && *display ? " " : "", display && *display ? display : "");
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    app::prepareToolkit();
    defaultHandler = qInstallMessageHandler(reportMissingDisplay);
    QApplication application(argc, argv);
    qInstallMessageHandler(defaultHandler);
    // On Wayland the window's app id; desktops find the menu entry, its name and icon by it.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(app::appId));
    // Exit ends the program; between the splash and the main window no window is open.
    QApplication::setQuitOnLastWindowClosed(false);

    int status = 0;
    {
        ui::Windows windows;
        QObject::connect(&windows, &ui::Windows::programEnded, &application,
                         [] { QCoreApplication::exit(0); });
        app::defineWindows(windows);
        app::start(windows);
        status = QApplication::exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return status;
}
