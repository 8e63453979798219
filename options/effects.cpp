// SPDX-License-Identifier: MIT
#include "options/effects.h"

#include "stopwatch/form1.h"
#include "ui/design.h"
#include "ui/faces.h"
#include "ui/windows.h"

#include <QHash>
#include <QLabel>

namespace options {

namespace {

constexpr ui::ColourWord blue = 0x00FF0000, red = 0x000000FF, yellow = 0x0000FFFF,
                         white = 0x00FFFFFF, black = 0x00000000, pink = 0x00FF80FF;
const ui::ColourWord surface = ui::systemColour(0);
const QString defaultCaption = QStringLiteral("Vizaded Adede");

Effect background(ui::ColourWord word)
{
    return {{Target::FieldBackground, word}, {Target::WindowBackground, word}};
}

const QHash<int, Effect> effects = {
    {1, {{Target::DigitColour, blue}}},
    {2, {{Target::DigitColour, red}}},
    {3, {{Target::DigitColour, yellow}}},
    {14, {{Target::DigitColour, white}}},
    {15, {{Target::DigitColour, black}}},
    {4, background(blue)},
    {5, background(red)},
    {6, background(yellow)},
    {12, background(white)},
    {13, background(black)},
    {7, {{Target::Interval, 1000}}},
    {8, {{Target::Interval, 500}}},
    {9, {{Target::Interval, 100}}},
    {10, {{Target::Interval, 50}}},
    {11, {{Target::Interval, 10}}},
    {16, {{Target::CaptionFromField, QStringLiteral("Label1")}}},
    {17, {{Target::CaptionFromField, QStringLiteral("Label2")}}},
    {18, {{Target::CaptionFromField, QStringLiteral("Label3")}}},
    {19, {{Target::Caption, defaultCaption}}},
    {20, {{Target::FontFace, QStringLiteral("Tahoma")}}},
    {21, {{Target::FontFace, QStringLiteral("Verdana")}}},
    {22, {{Target::FontFace, QStringLiteral("Georgia")}}},
    {23, {{Target::FontFace, QStringLiteral("Courier")}}},
    {24, {{Target::FontFace, QStringLiteral("Comic Sans MS")}}},
    {25, {{Target::FontFace, QStringLiteral("Arial")}}},
    {26, {{Target::FontFace, QStringLiteral("Impact")}}},
    {27, {{Target::FontFace, QStringLiteral("ms serif")}}},
    {28, {{Target::FontFace, QStringLiteral("System")}}},
    // Style options only ever turn an attribute on; Default is what turns them off.
    {29, {{Target::Bold, true}}},
    {30, {{Target::Italic, true}}},
    {31, {{Target::Underline, true}}},
};

const Effect defaults = {
    {Target::WindowBackground, surface},
    {Target::FieldBackground, surface},
    {Target::DigitColour, pink},
    {Target::Interval, 1000},
    {Target::Caption, defaultCaption},
    {Target::FontFace, QStringLiteral("Verdana")},
    {Target::Italic, false},
    {Target::Underline, false},
};

const QStringList digits = {"Label1", "Label2", "Label3"};
const QStringList firstRow = {"Label1", "Label2", "Label3", "Label4", "Label5"};

void forEachLabel(ui::Windows &windows, const QStringList &names,
                  const std::function<void(QLabel *)> &assign)
{
    for (const QString &name : names)
        assign(&windows.control<QLabel>(QStringLiteral("Form1"), name));
}

void changeFont(ui::Windows &windows, const std::function<void(QFont &)> &change)
{
    forEachLabel(windows, digits, [&](QLabel *label) {
        QFont font = label->font();
        change(font);
        label->setFont(font);
    });
}

void assign(const Assignment &assignment, ui::Windows &windows)
{
    Form1 &form1 = windows.get<Form1>(QStringLiteral("Form1"));
    const QVariant &value = assignment.value;
    switch (assignment.target) {
    case Target::DigitColour:
        return forEachLabel(windows, digits,
                            [&](QLabel *l) { ui::setForeColour(l, value.toUInt()); });
    case Target::FieldBackground:
        return forEachLabel(windows, firstRow,
                            [&](QLabel *l) { ui::setBackColour(l, value.toUInt()); });
    case Target::WindowBackground:
        return ui::setBackColour(&form1, value.toUInt());
    case Target::Interval:
        return form1.Timer1.setInterval(value.toInt());
    case Target::Caption:
        return ui::setCaption(&form1, value.toString());
    case Target::CaptionFromField:
        return ui::setCaption(&form1, ui::caption(&windows.control<QLabel>(QStringLiteral("Form1"),
                                                                           value.toString())));
    case Target::FontFace:
        return changeFont(windows, [&](QFont &f) {
            f.setFamilies({value.toString()});
            f.setFamilies({ui::standInFor(f)});
        });
    case Target::Bold:
        return changeFont(windows, [&](QFont &f) { f.setBold(value.toBool()); });
    case Target::Italic:
        return changeFont(windows, [&](QFont &f) { f.setItalic(value.toBool()); });
    case Target::Underline:
        return changeFont(windows, [&](QFont &f) { f.setUnderline(value.toBool()); });
    }
}

} // namespace

const Effect &optionEffect(int option)
{
    static const Effect none;
    const auto found = effects.constFind(option);
    return found == effects.cend() ? none : *found;
}

const Effect &defaultEffect()
{
    return defaults;
}

void apply(const Effect &effect, ui::Windows &windows)
{
    for (const Assignment &assignment : effect)
        assign(assignment, windows);
}

} // namespace options
