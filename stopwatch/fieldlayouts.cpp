// SPDX-License-Identifier: MIT
#include "stopwatch/fieldlayouts.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHash>
#include <QLabel>
#include <QPainter>
#include <QStaticText>

namespace stopwatch {

namespace {

// A field shows a few dozen texts; a count that outgrows its digits starts the keeping anew.
constexpr qsizetype keptTexts = 256;

struct Layout {
    QStaticText text;
    qreal top; // below the contents' top, where QPainter::drawText would set the line
};

class FieldLayouts : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    const Layout &layoutOf(const QLabel &field);

    QFont face_; // of every kept layout
    QHash<std::pair<int, QString>, Layout> layouts_; // by the field's width and text
};

const Layout &FieldLayouts::layoutOf(const QLabel &field)
{
    if (field.font() != face_ || layouts_.size() >= keptTexts) {
        layouts_.clear();
        face_ = field.font();
    }
    const QRect contents = field.contentsRect();
    auto kept = layouts_.find({contents.width(), field.text()});
    if (kept == layouts_.end()) {
        QStaticText text(field.text());
        text.setTextFormat(Qt::PlainText);
        text.setTextWidth(contents.width());
        text.setTextOption(QTextOption(field.alignment() & Qt::AlignHorizontal_Mask));
        text.prepare(QTransform(), face_);
        const int flags = int(field.alignment()) | Qt::TextForceLeftToRight;
        const QRectF line = QFontMetricsF(face_, &field).boundingRect(
            QRectF(QPointF(), contents.size()), flags, field.text());
        kept = layouts_.insert({contents.width(), field.text()}, {text, line.top()});
    }
    return *kept;
}

// Qt fills a filling widget's background with a painter of its own before the widget paints.
// The fields say that they cover themselves, so that one painter a repaint does both, and fill
// as Qt would: their palette's brush for their background role, a plain colour.
void fillBackground(QPainter &painter, const QLabel &field)
{
    if (field.autoFillBackground())
        painter.fillRect(field.rect(), field.palette().brush(field.backgroundRole()));
}

// As QLabel paints plain text: the style's pen for the label's role, and the text set across the
// contents, where the layout aligns it as QPainter::drawText would; a place worked out here in
// fractions of a pixel would round some faces' glyphs a pixel off.
bool FieldLayouts::eventFilter(QObject *watched, QEvent *event)
{
    // Other events come while a field is being destroyed, when it is a QLabel no more.
    if (event->type() != QEvent::Paint)
        return false;
    auto *field = static_cast<QLabel *>(watched);
    QPainter painter(field);
    fillBackground(painter, *field);
    const QFont &face = field->font();
    if (field->text().isEmpty() || face.underline() || face.strikeOut() || face.overline())
        return false;
    painter.setPen(QPen(field->palette().brush(field->foregroundRole()), painter.pen().widthF()));
    const Layout &layout = layoutOf(*field);
    const QRect contents = field->contentsRect();
    painter.drawStaticText(QPointF(contents.left(), contents.top() + layout.top), layout.text);
    return true;
}

} // namespace

void keepFieldLayouts(QWidget *window, const QList<QLabel *> &fields)
{
    auto *layouts = new FieldLayouts(window);
    layouts->setObjectName(QStringLiteral("fieldLayouts"));
    for (QLabel *field : fields) {
        field->setAttribute(Qt::WA_OpaquePaintEvent);
        // Each new count and each repaint asks for the field's contents rect, which by default
        // asks the platform window for a safe area: none on a desktop, and the fields stand well
        // inside the client area.
        field->setAttribute(Qt::WA_ContentsMarginsRespectsSafeArea, false);
        field->installEventFilter(layouts);
    }
}

} // namespace stopwatch
