// SPDX-License-Identifier: MIT
#include "app/form4.h"

#include "app/credits.h"
#include "app/version.h"
#include "ui/design.h"
#include "ui/windows.h"
#include "ui_form4.h"

Form4::Form4(ui::Windows &windows) : ui_(std::make_unique<Ui::Form4>()), windows_(windows)
{
    ui_->setupUi(this);
    ui::setCaption(ui_->Label5, QString::fromLatin1(app::productLine));
    ui::setCaption(ui_->Label3, app::authorLatin);
    connect(ui_->Command1, &QPushButton::clicked, this, &Form4::Form4_Command1_Click);
}

Form4::~Form4() = default;

void Form4::Form4_Command1_Click()
{
    windows_.unload(QStringLiteral("Form4"));
}
