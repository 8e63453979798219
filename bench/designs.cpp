// SPDX-License-Identifier: MIT
// The toolkit's floor under the program's own windows: each window's design, set up by the code
// that uic makes of its .ui on a bare Qt window, and none of the program's code: the same
// widgets, menus and actions, in the faces that the program draws them in, and otherwise in Qt's
// own defaults (no sizes, colours, pictures or frames of the program's). Shows them as the
// probe's memory run shows the real ones, the splash, then the main window, then every other
// window opened and closed once, and prints the peak RSS.
#include "measure.h"

#include "ui_form1.h"
#include "ui_form2.h"
#include "ui_form3.h"
#include "ui_form4.h"
#include "ui_form5.h"
#include "ui_resetconfirmation.h"

#include <QApplication>
#include <memory>

namespace {

template <typename Design, typename Window = QFrame>
std::unique_ptr<Window> shown()
{
    auto window = std::make_unique<Window>();
    Design().setupUi(window.get());
    window->show();
    bench::waitUntilExposed([&] { return window.get(); });
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The stand-ins that the program draws the designs' faces in, where Debian lacks them.
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont::insertSubstitution(QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans Condensed"));
    shown<Ui_Form5>(); // each window but the main one closes as soon as it has been exposed
    const auto mainWindow = shown<Ui_Form1, QMainWindow>();
    shown<Ui_Form2>();
    shown<Ui_Form3>();
    shown<Ui_Form4>();
    for (int confirmation = 0; confirmation < 3; ++confirmation)
        shown<Ui_ResetConfirmation>();
    bench::printRecord({{"kind", "memory"},
                        {"subject", "designs"},
                        {"hwm_kb", bench::selfStatusKb("VmHWM")}});
    return 0;
}
