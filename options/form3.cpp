// SPDX-License-Identifier: MIT
#include "options/form3.h"

#include "options/effects.h"
#include "ui/windows.h"
#include "ui_form3.h"

#include <QButtonGroup>

Form3::Form3(ui::Windows &windows) : ui_(std::make_unique<Ui::Form3>()), windows_(windows)
{
    ui_->setupUi(this);
    groupOptions();
    ui_->Command1->setFocus(); // first in the tab order: frames take no focus
    connect(ui_->Command1, &QPushButton::clicked, this, &Form3::Form3_Command1_Click);
    connect(ui_->Command2, &QPushButton::clicked, this, &Form3::Form3_Command2_Click);
}

Form3::~Form3() = default;

// Each frame is one group, and an option's id is its number. A click, by mouse, keyboard or a
// screen reader's action (ui/accessible.cpp), runs the option's handler even when it was already
// selected, so choosing "Second" again copies the field anew; setting a caption or a check never
// runs it.
void Form3::groupOptions()
{
    for (QGroupBox *frame : findChildren<QGroupBox *>()) {
        auto *group = new QButtonGroup(frame);
        for (QRadioButton *option : frame->findChildren<QRadioButton *>())
            group->addButton(option, option->objectName().mid(int(qstrlen("Option"))).toInt());
        connect(group, &QButtonGroup::idClicked, this, &Form3::Form3_Option_Click);
    }
}

void Form3::Form3_Option_Click(int option)
{
    options::apply(options::optionEffect(option), windows_);
}

void Form3::Form3_Command1_Click()
{
    windows_.unload(QStringLiteral("Form3"));
}

void Form3::Form3_Command2_Click()
{
    options::apply(options::defaultEffect(), windows_);
}
