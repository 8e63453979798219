// SPDX-License-Identifier: MIT
#include "language/switch.h"

#include "language/captions.h"
#include "ui/design.h"
#include "ui/windows.h"

#include <QAction>

namespace language {

namespace {

// The check marks move after the first 47 rows, which end with Form6's captions, and before
// the main window's Start and reset entries.
constexpr int rowsBeforeMarks = 47;

void applyRows(qsizetype first, qsizetype end, Language language, ui::Windows &windows)
{
    const QList<CaptionRow> &rows = captionTable();
    for (qsizetype i = first; i < end; ++i) {
        const CaptionRow &row = rows[i];
        QWidget &window = windows.get(row.window);
        QObject *control =
            row.control.isEmpty() ? &window : &windows.control<QObject>(row.window, row.control);
        ui::setCaption(control, language == Language::English ? row.english : row.farsi);
    }
}

void moveMark(Language language, ui::Windows &windows)
{
    const QString form1 = QStringLiteral("Form1");
    ui::setChecked(&windows.control<QAction>(form1, QStringLiteral("MnuEnglish")),
                   language == Language::English);
    ui::setChecked(&windows.control<QAction>(form1, QStringLiteral("MnuFarsi")),
                   language == Language::Farsi);
}

void nameWindows(Language language, ui::Windows &windows)
{
    for (const NameRow &row : windowNames())
        windows.get(row.window)
            .setAccessibleName(language == Language::English ? row.english : row.farsi);
}

} // namespace

void switchTo(Language language, ui::Windows &windows)
{
    applyRows(0, rowsBeforeMarks, language, windows);
    moveMark(language, windows);
    applyRows(rowsBeforeMarks, captionTable().size(), language, windows);
    nameWindows(language, windows);
}

} // namespace language
