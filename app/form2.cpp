// SPDX-License-Identifier: MIT
#include "app/form2.h"

#include "ui/windows.h"
#include "ui_form2.h"

Form2::Form2(ui::Windows &windows) : ui_(std::make_unique<Ui::Form2>()), windows_(windows)
{
    ui_->setupUi(this);
    connect(ui_->Command1, &QPushButton::clicked, this, &Form2::Form2_Command1_Click);
}

Form2::~Form2() = default;

void Form2::Form2_Command1_Click()
{
    windows_.unload(QStringLiteral("Form2"));
}
