// SPDX-License-Identifier: MIT
#include "app/program.h"

#include "app/form2.h"
#include "app/form4.h"
#include "app/form5.h"
#include "options/form3.h"
#include "stopwatch/form1.h"
#include "stopwatch/resetconfirmation.h"
#include "ui/windows.h"

namespace app {

namespace {

const QStringList firstCounter = {"Label1", "Label2", "Label3"};
const QStringList secondCounter = {"Label6", "Label7", "Label8"};

ui::Windows::Factory resetConfirmation(const QStringList &fields, int clientWidthTwips)
{
    return [=](ui::Windows &windows) {
        return new ResetConfirmation(windows, fields, clientWidthTwips);
    };
}

} // namespace

// A counter at 10 ms wakes the program 100 times a second, and each wake-up runs the event loop
// once or twice: Qt's own loop does that in about a tenth fewer instructions than the GLib one,
// which nothing in the program needs. The repaints are a few small labels; through shared
// memory each one waits for the X server's completion event, which wakes the connection's
// reader thread and then the main thread, while sent on the connection it costs neither.
// Whatever the user has set for either, even empty, stands.
void prepareToolkit()
{
    for (const char *setting : {"QT_NO_GLIB", "QT_XCB_NO_MITSHM"}) {
        if (!qEnvironmentVariableIsSet(setting))
            qputenv(setting, "1");
    }
}

void defineWindows(ui::Windows &windows)
{
    windows.define(
        QStringLiteral("Form1"), [](ui::Windows &w) { return new Form1(w); },
        ui::OnClose::EndProgram);
    windows.define(QStringLiteral("Form2"), [](ui::Windows &w) { return new Form2(w); });
    windows.define(QStringLiteral("Form3"), [](ui::Windows &w) { return new Form3(w); });
    windows.define(QStringLiteral("Form4"), [](ui::Windows &w) { return new Form4(w); });
    windows.define(
        QStringLiteral("Form5"), [](ui::Windows &w) { return new Form5(w); }, ui::OnClose::Ignore);
    windows.define(QStringLiteral("Form6"), resetConfirmation(firstCounter, 2415));
    windows.define(QStringLiteral("Form7"), resetConfirmation(secondCounter, 2415));
    windows.define(QStringLiteral("Form8"), resetConfirmation(firstCounter + secondCounter, 2325));
}

// Starting the program is showing the splash, and nothing else.
void start(ui::Windows &windows)
{
    windows.show(QStringLiteral("Form5"));
}

} // namespace app
