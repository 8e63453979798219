// SPDX-License-Identifier: MIT
#include "stopwatch/form1.h"

#include "language/switch.h"
#include "stopwatch/counter.h"
#include "stopwatch/fieldlayouts.h"
#include "stopwatch/readablecounter.h"
#include "ui/design.h"
#include "ui/windows.h"
#include "ui_form1.h"

#include <utility>

namespace {

constexpr int runningHeight = 2430; // twips: the second row shows whole
constexpr int stoppedHeight = 1545; // twips: only the first row shows
constexpr int oneSecond = 1000;

const QString firstCycleMessage =
    QStringLiteral("First Timer One Hour Cycle Completed. Timer Will Now Reset!");
const QString secondCycleMessage =
    QStringLiteral("Second Timer One Hour Cycle Completed. Timer Will Now Reset!");
const QString noSecondTimerOptions =
    QStringLiteral("There Is No Option Available For Second Timer!");

} // namespace

Form1::Form1(ui::Windows &windows)
    : Timer1(this), Timer2(this), ui_(std::make_unique<Ui::Form1>()), windows_(windows),
      repaintPacer_(this)
{
    ui_->setupUi(this);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer2.setObjectName(QStringLiteral("Timer2"));
    connect(&Timer1, &ui::IntervalTimer::tick, this, &Form1::Form1_Timer1_Timer);
    connect(&Timer2, &ui::IntervalTimer::tick, this, &Form1::Form1_Timer2_Timer);
    for (ui::IntervalTimer *timer : {&Timer1, &Timer2})
        connect(timer, &ui::IntervalTimer::tick, &repaintPacer_,
                &stopwatch::RepaintPacer::paintIfDue);
    connectCommands();
    stopwatch::makeReadable({ui_->Label1, ui_->Label2, ui_->Label3}, {ui_->Label5, ui_->Label4},
                            QStringLiteral("First timer"));
    stopwatch::makeReadable({ui_->Label6, ui_->Label7, ui_->Label8}, {ui_->Label9, ui_->Label10},
                            QStringLiteral("Second timer"));
    stopwatch::keepFieldLayouts(this, {ui_->Label1, ui_->Label2, ui_->Label3, ui_->Label6,
                                       ui_->Label7, ui_->Label8});
    Timer1.setInterval(oneSecond);
}

Form1::~Form1() = default;

void Form1::connectCommands()
{
    const std::pair<QAction *, void (Form1::*)()> commands[] = {
        {ui_->MnuStart, &Form1::Form1_MnuStart_Click},
        {ui_->MnuStop, &Form1::Form1_MnuStop_Click},
        {ui_->MnuBeep, &Form1::Form1_MnuBeep_Click},
        {ui_->MnunoBeep, &Form1::Form1_MnunoBeep_Click},
        {ui_->MnuTimer1, &Form1::Form1_MnuTimer1_Click},
        {ui_->MnuTimer2, &Form1::Form1_MnuTimer2_Click},
        {ui_->MnuExit, &Form1::Form1_MnuExit_Click},
        {ui_->MnuRT1, &Form1::Form1_MnuRT1_Click},
        {ui_->MnuRT2, &Form1::Form1_MnuRT2_Click},
        {ui_->MnuBoth, &Form1::Form1_MnuBoth_Click},
        {ui_->MnuHelpC, &Form1::Form1_MnuHelpC_Click},
        {ui_->MnuAbout, &Form1::Form1_MnuAbout_Click},
        {ui_->MnuEnglish, &Form1::Form1_MnuEnglish_Click},
        {ui_->MnuFarsi, &Form1::Form1_MnuFarsi_Click},
    };
    for (const auto &[entry, handler] : commands)
        connect(entry, &QAction::triggered, this, handler);
}

void Form1::Form1_Timer1_Timer()
{
    if (ui_->MnuBeep->isChecked())
        windows_.beep();
    if (stopwatch::advance({ui_->Label1, ui_->Label2, ui_->Label3}))
        windows_.message(firstCycleMessage, ui::MessageStyle::OkOnly);
}

void Form1::Form1_Timer2_Timer()
{
    if (stopwatch::advance({ui_->Label6, ui_->Label7, ui_->Label8}))
        windows_.message(secondCycleMessage, ui::MessageStyle::OkOnly);
}

void Form1::Form1_MnuStart_Click()
{
    Timer2.setInterval(oneSecond);
    ui::setOuterHeight(this, runningHeight);
}

void Form1::Form1_MnuStop_Click()
{
    Timer2.setInterval(0);
    ui::setOuterHeight(this, stoppedHeight);
}

void Form1::Form1_MnuBeep_Click()
{
    ui::setChecked(ui_->MnuBeep, true);
    ui::setChecked(ui_->MnunoBeep, false);
}

void Form1::Form1_MnunoBeep_Click()
{
    ui::setChecked(ui_->MnuBeep, false);
    ui::setChecked(ui_->MnunoBeep, true);
}

void Form1::Form1_MnuTimer1_Click()
{
    windows_.show(QStringLiteral("Form3"));
}

void Form1::Form1_MnuTimer2_Click()
{
    windows_.message(noSecondTimerOptions, ui::MessageStyle::OkInformation);
}

void Form1::Form1_MnuExit_Click()
{
    windows_.end();
}

void Form1::Form1_MnuRT1_Click()
{
    windows_.show(QStringLiteral("Form6"));
}
void Form1::Form1_MnuRT2_Click()
{
    windows_.show(QStringLiteral("Form7"));
}
void Form1::Form1_MnuBoth_Click()
{
    windows_.show(QStringLiteral("Form8"));
}

void Form1::Form1_MnuHelpC_Click()
{
    windows_.show(QStringLiteral("Form2"));
}
void Form1::Form1_MnuAbout_Click()
{
    windows_.show(QStringLiteral("Form4"));
}

void Form1::Form1_MnuEnglish_Click()
{
    language::switchTo(language::Language::English, windows_);
}

void Form1::Form1_MnuFarsi_Click()
{
    language::switchTo(language::Language::Farsi, windows_);
}
