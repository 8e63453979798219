// SPDX-License-Identifier: MIT
#include "ui/faces.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainterPath>
#include <QRawFont>
#include <QHash>

#include <algorithm>

namespace ui {

namespace {

// Metric twins where Debian has them, else the nearest free design; Debian 13 names them alike.
const QList<std::pair<QString, QStringList>> standIns = {
    {"Arial", {"Liberation Sans"}},
    {"Courier", {"Courier New", "Liberation Mono"}},
    {"ms serif", {"Times New Roman", "Liberation Serif"}}, // the Times of the old screen faces
    {"Comic Sans MS", {"Comic Neue"}},
    {"Impact", {"Bebas Neue"}},            // condensed and heavy
    {"Georgia", {"Charis SIL"}},           // a sturdy transitional serif drawn for small sizes
    {"Verdana", {"DejaVu Sans"}},          // Bitstream Vera took Verdana's wide, open shapes
    {"Tahoma", {"DejaVu Sans Condensed"}}, // the narrower sibling, as Tahoma is Verdana's
    {"System", {}},                        // the desktop's own, which closes every list
};

// What a counter field can show: digits, and "e+" once a count outgrows six digits.
const QString counterCharacters = QStringLiteral("0123456789e+");

// The holes that each digit's outline encloses in a text face; 4 is open or closed.
constexpr int digitHoles[] = {1, 0, 0, 0, -1, 0, 1, 0, 2, 1};

// The holes that an outline encloses: its contours that wind against the largest one; -1 for a
// glyph that draws nothing.
int holes(const QPainterPath &outline)
{
    QList<qreal> areas;
    for (const QPolygonF &contour : outline.toSubpathPolygons()) {
        qreal twiceArea = 0;
        for (qsizetype i = 0; i < contour.size(); ++i) {
            const QPointF &a = contour[i], &b = contour[(i + 1) % contour.size()];
            twiceArea += a.x() * b.y() - b.x() * a.y();
        }
        areas << twiceArea;
    }
    if (areas.isEmpty())
        return -1;
    const auto largest = std::max_element(areas.cbegin(), areas.cend(),
                                          [](qreal a, qreal b) { return qAbs(a) < qAbs(b); });
    return int(std::count_if(areas.cbegin(), areas.cend(),
                             [&](qreal area) { return area * *largest < 0; }));
}

// Installed under this very name. QFontDatabase::hasFamily would first have fontconfig resolve a
// missing name through its rules, several milliseconds a face before the splash can show, to an
// answer that the stand-ins below choose for themselves.
bool isInstalled(const QString &family)
{
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

// The desktop's own face, by the name it is installed under rather than a generic one such as
// "Sans Serif".
QString desktopFace()
{
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

} // namespace

bool drawsCounters(const QFont &font)
{
    if (!isInstalled(font.family()))
        return false;
    const QRawFont face = QRawFont::fromFont(font);
    for (const QChar character : counterCharacters)
        if (!face.supportsCharacter(character))
            return false;
    for (int digit = 0; digit <= 9; ++digit) {
        const quint32 glyph = face.glyphIndexesForString(QString::number(digit)).value(0);
        if (digitHoles[digit] >= 0 && holes(face.pathForGlyph(glyph)) != digitHoles[digit])
            return false;
    }
    return true;
}

namespace {

// The first candidate that draws counters, else the desktop's own face, else the one that
// the package depends on. Each is tried in the font that will draw, whose glyphs Qt then keeps.
QString firstThatDrawsCounters(const QStringList &candidates, QFont font)
{
    const auto draws = [&font](const QString &family) {
        font.setFamilies({family});
        return drawsCounters(font);
    };
    for (const QString &family : candidates)
        if (draws(family))
            return family;
    const QString desktop = desktopFace();
    return draws(desktop) ? desktop : QStringLiteral("DejaVu Sans");
}

} // namespace

QString standInFor(const QFont &font)
{
    const QString face = font.family();
    static QHash<QString, QString> settled;
    const QString name = face.toLower(); // as fontconfig and Qt match names
    if (const auto known = settled.constFind(name); known != settled.cend())
        return *known;
    QString drawn = face;
    const auto row = std::find_if(standIns.cbegin(), standIns.cend(), [&](const auto &entry) {
        return entry.first.compare(face, Qt::CaseInsensitive) == 0;
    });
    if (row != standIns.cend() && !isInstalled(face)) { // else installed, or not of the designs
        drawn = firstThatDrawsCounters(row->second, font);
        QFont::insertSubstitution(face, drawn);
    }
    settled.insert(name, drawn);
    return drawn;
}

} // namespace ui
