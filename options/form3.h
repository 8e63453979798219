// SPDX-License-Identifier: MIT
// The Options window of the first counter: six groups of options and the OK and Default buttons.
#pragma once

#include <QFrame>
#include <memory>

namespace Ui {
class Form3;
}
namespace ui {
class Windows;
}

class Form3 : public QFrame {
    Q_OBJECT
  public:
    explicit Form3(ui::Windows &windows);
    ~Form3() override;

    void Form3_Option_Click(int option); // Option1 … Option31, by number
    void Form3_Command1_Click();         // OK
    void Form3_Command2_Click();         // Default

  private:
    void groupOptions();

    std::unique_ptr<Ui::Form3> ui_;
    ui::Windows &windows_;
};
