// SPDX-License-Identifier: MIT
#include "app/form5.h"

#include "app/credits.h"
#include "app/version.h"
#include "ui/design.h"
#include "ui/windows.h"
#include "ui_form5.h"

namespace {
constexpr int handOverAfter = 2000; // milliseconds
}

Form5::Form5(ui::Windows &windows)
    : Timer1(this), ui_(std::make_unique<Ui::Form5>()), windows_(windows)
{
    ui_->setupUi(this);
    ui::setCaption(ui_->Label1, QString::fromLatin1(app::productLine));
    ui::setCaption(ui_->Label3, app::authorLatin);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    // A coarse timer may be 5% off at two seconds; the hand-over should be on the dot.
    Timer1.setTimerType(Qt::PreciseTimer);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, &Form5::Form5_Timer1_Timer);
    Timer1.start(handOverAfter);
}

Form5::~Form5() = default;

// The splash goes first, so the two windows are never on screen together.
void Form5::Form5_Timer1_Timer()
{
    windows_.unload(QStringLiteral("Form5"));
    windows_.show(QStringLiteral("Form1"));
}
