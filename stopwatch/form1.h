// SPDX-License-Identifier: MIT
// The main window: two counters, the menu of every command, and the handlers behind it.
#pragma once

#include "stopwatch/repaintpacer.h"
#include "ui/intervaltimer.h"

#include <QMainWindow>
#include <memory>

namespace Ui {
class Form1;
}
namespace ui {
class Windows;
}

class Form1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit Form1(ui::Windows &windows);
    ~Form1() override;

    ui::IntervalTimer Timer1; // the first counter's ticks
    ui::IntervalTimer Timer2; // the second counter's ticks; interval 0 while it stands

    void Form1_Timer1_Timer();
    void Form1_Timer2_Timer();

    void Form1_MnuStart_Click();
    void Form1_MnuStop_Click();
    void Form1_MnuBeep_Click();
    void Form1_MnunoBeep_Click();
    void Form1_MnuTimer1_Click();
    void Form1_MnuTimer2_Click();
    void Form1_MnuExit_Click();
    void Form1_MnuRT1_Click();
    void Form1_MnuRT2_Click();
    void Form1_MnuBoth_Click();
    void Form1_MnuHelpC_Click();
    void Form1_MnuAbout_Click();
    void Form1_MnuEnglish_Click();
    void Form1_MnuFarsi_Click();

  private:
    void connectCommands();

    std::unique_ptr<Ui::Form1> ui_;
    ui::Windows &windows_;
    stopwatch::RepaintPacer repaintPacer_;
};
