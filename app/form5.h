// SPDX-License-Identifier: MIT
// The splash: the program's first window, which hands over to the main window after two seconds.
#pragma once

#include <QFrame>
#include <QTimer>
#include <memory>

namespace Ui {
class Form5;
}
namespace ui {
class Windows;
}

class Form5 : public QFrame {
    Q_OBJECT
  public:
    explicit Form5(ui::Windows &windows);
    ~Form5() override;

    QTimer Timer1;

    void Form5_Timer1_Timer();

  private:
    std::unique_ptr<Ui::Form5> ui_;
    ui::Windows &windows_;
};
