// SPDX-License-Identifier: MIT
#include "stopwatch/resetconfirmation.h"

#include "ui/design.h"
#include "ui/windows.h"
#include "ui_resetconfirmation.h"

#include <QLabel>

ResetConfirmation::ResetConfirmation(ui::Windows &windows, QStringList fields, int clientWidthTwips)
    : ui_(std::make_unique<Ui::ResetConfirmation>()), windows_(windows), fields_(std::move(fields))
{
    ui_->setupUi(this);
    resize(ui::pixels(clientWidthTwips), height());
    connect(ui_->Command1, &QPushButton::clicked, this, &ResetConfirmation::Command1_Click);
    connect(ui_->Command2, &QPushButton::clicked, this, &ResetConfirmation::Command2_Click);
}

ResetConfirmation::~ResetConfirmation() = default;

void ResetConfirmation::Command1_Click()
{
    for (const QString &field : fields_)
        ui::setCaption(&windows_.control<QLabel>(QStringLiteral("Form1"), field),
                       QStringLiteral("0"));
    windows_.unload(objectName());
}

void ResetConfirmation::Command2_Click()
{
    windows_.unload(objectName());
}
