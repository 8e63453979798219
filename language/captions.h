// SPDX-License-Identifier: MIT
// Every caption that the language switch rewrites, with its English and Farsi text.
#pragma once

#include <QList>
#include <QString>

namespace language {

struct CaptionRow {
    QString window;
    QString control; // empty for the window's own title
    const QString &english;
    const QString &farsi;
};

// In the order in which a switch applies them.
const QList<CaptionRow> &captionTable();

// The names that screen readers read for the windows without a caption of their own.
struct NameRow {
    QString window;
    const QString &english;
    const QString &farsi;
};
const QList<NameRow> &windowNames();

} // namespace language
