// SPDX-License-Identifier: MIT
// The key-commands card: a fixed list of the main window's keys and an Exit button.
#pragma once

#include <QFrame>
#include <memory>

namespace Ui {
class Form2;
}
namespace ui {
class Windows;
}

class Form2 : public QFrame {
    Q_OBJECT
  public:
    explicit Form2(ui::Windows &windows);
    ~Form2() override;

    void Form2_Command1_Click(); // Exit: only this card goes

  private:
    std::unique_ptr<Ui::Form2> ui_;
    ui::Windows &windows_;
};
