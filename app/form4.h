// SPDX-License-Identifier: MIT
// The About card: product, credits and a picture, closed by OK.
#pragma once

#include <QFrame>
#include <memory>

namespace Ui {
class Form4;
}
namespace ui {
class Windows;
}

class Form4 : public QFrame {
    Q_OBJECT
  public:
    explicit Form4(ui::Windows &windows);
    ~Form4() override;

    void Form4_Command1_Click(); // OK: only this card goes

  private:
    std::unique_ptr<Ui::Form4> ui_;
    ui::Windows &windows_;
};
