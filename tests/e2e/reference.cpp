// SPDX-License-Identifier: MIT
// Paints the main window afresh, as a new window shows it, for the end-to-end run to hold its
// screenshots against:  tickwell_reference english|farsi DIR H:M:S…  writes DIR/H:M:S.png each.
#include "app/program.h"
#include "stopwatch/form1.h"
#include "ui/design.h"
#include "ui/windows.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    ui::Windows windows;
    app::defineWindows(windows);
    auto &main = windows.get<Form1>("Form1");
    if (arguments.value(1) == u"farsi")
        main.Form1_MnuFarsi_Click();
    for (const QString &reading : arguments.mid(3)) {
        for (int field = 0; field < 3; ++field)
            ui::setCaption(&windows.control<QLabel>("Form1", "Label" + QString::number(field + 1)),
                           reading.section(u':', field, field));
        if (!main.grab().save(arguments.value(2) + u'/' + reading + ".png"))
            return 1;
    }
    return 0;
}
