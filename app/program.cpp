// SPDX-License-Identifier: MIT
#include "app/program.h"

#include "app/form2.h"
#include "app/form4.h"
#include "app/form5.h"
#include "options/form3.h"
#include "stopwatch/form1.h"
#include "stopwatch/resetconfirmation.h"
#include "ui/windows.h"

// Resources of a static library are registered by hand.
static void registerResources()
{
    Q_INIT_RESOURCE(resources);
}

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

void defineWindows(ui::Windows &windows)
{
    registerResources();
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
