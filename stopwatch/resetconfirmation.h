// SPDX-License-Identifier: MIT
// The "Are You Sure ?" dialogs of the Reset menu: Form6 (first counter), Form7 (second) and
// Form8 (both) share this design and differ only in their width and the fields OK clears.
#pragma once

#include <QFrame>
#include <QStringList>
#include <memory>

namespace Ui {
class ResetConfirmation;
}
namespace ui {
class Windows;
}

class ResetConfirmation : public QFrame {
    Q_OBJECT
  public:
    ResetConfirmation(ui::Windows &windows, QStringList fields, int clientWidthTwips);
    ~ResetConfirmation() override;

    void Command1_Click(); // OK: the fields read "0", then the dialog goes
    void Command2_Click(); // Cancel: the dialog goes

  private:
    std::unique_ptr<Ui::ResetConfirmation> ui_;
    ui::Windows &windows_;
    const QStringList fields_; // labels of the main window, cleared in this order
};
