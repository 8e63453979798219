// SPDX-License-Identifier: MIT
#include "app/program.h"
#include "app/version.h"
#include "ui/windows.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt warns, then aborts with a core dump. Say it in one line instead.
void reportMissingDisplay(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type != QtFatalMsg)
        return;
    const char *display = std::getenv("DISPLAY");
    const bool named = display && *display;
    std::fprintf(stderr,
                 "tickwell: cannot open the display%s%s; start it on a desktop, or under "
                 "xvfb-run where there is none\n",
                 named ? " " : "", named ? display : "");
    std::_Exit(EXIT_FAILURE);
}

} // namespace

int main(int argc, char *argv[])
{
    app::prepareToolkit();
    const QtMessageHandler defaultHandler = qInstallMessageHandler(reportMissingDisplay);
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
