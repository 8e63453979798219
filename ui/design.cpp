// SPDX-License-Identifier: MIT
#include "ui/design.h"

#include "ui/faces.h"
#include "ui/portablemap.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>

#include <algorithm>

namespace ui {

namespace {

// Dynamic properties that a window's .ui file may set on a widget.
constexpr char foreColorProperty[] = "foreColor";
constexpr char backColorProperty[] = "backColor";
constexpr char fontSizeProperty[] = "fontSize"; // points, fractional ("21.75")
constexpr char frameProperty[] = "frame";       // "titled" or "border"
constexpr char pictureProperty[] = "picture";   // resource path of a label's picture
constexpr char iconProperty[] = "icon"; // resource path of a window's icon, before "-16.pam"

QColor systemColourByIndex(int index)
{
    // 0 is the scroll-bar colour, the plain surface that windows and labels share here;
    // 18 is the button-text colour.
    const QPalette palette = QApplication::palette();
    return index == 18 ? palette.color(QPalette::ButtonText) : palette.color(QPalette::Window);
}

} // namespace

QString plainText(const QString &caption)
{
    if (!caption.contains(u'&'))
        return caption; // shared, not copied: the counters write a caption on every tick
    QString text;
    text.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}

namespace {

QString labelCaption(const QString &text)
{
    if (!text.contains(u'&'))
        return text;
    QString caption = text;
    return caption.replace(u'&', QStringLiteral("&&"));
}

bool settingCheckMark = false;

void keepCheckMarkUntilSet(QAction *entry)
{
    QObject::connect(entry, &QAction::toggled, entry, [entry](bool checked) {
        if (settingCheckMark)
            return;
        setChecked(entry, !checked); // undo the toggle that choosing the entry made
    });
}

void applyFonts(QWidget *window)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QVariant size = widget->property(fontSizeProperty);
        if (!size.isValid())
            continue;
        QFont font = widget->font();
        font.setPointSizeF(size.toDouble());
        font.setFamilies({standInFor(font)});
        widget->setFont(font);
    }
}

// A picture is drawn from its sharpest variant for the screen: "name@2x.pam" next to
// "name.pam" serves a scale factor of 2, at the same size in the window.
void applyPicture(QLabel *label)
{
    const QString path = label->property(pictureProperty).toString();
    const QImage plain = readPortableArbitraryMap(path);
    const qreal ratio = label->devicePixelRatio();
    if (ratio <= 1) {
        label->setPixmap(QPixmap::fromImage(plain));
        return;
    }
    QImage sharp = readPortableArbitraryMap(
        QString(path).replace(QStringLiteral(".pam"), QStringLiteral("@2x.pam")));
    const QSize pixels = (QSizeF(plain.size()) * ratio).toSize();
    if (sharp.size() != pixels)
        sharp = sharp.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    sharp.setDevicePixelRatio(ratio);
    label->setPixmap(QPixmap::fromImage(sharp));
}

// Window managers take the size that suits each place: a title bar, a task bar, a switcher.
void applyIcon(QWidget *window)
{
    const QString path = window->property(iconProperty).toString();
    if (path.isEmpty())
        return;
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(QPixmap::fromImage(
            readPortableArbitraryMap(QStringLiteral("%1-%2.pam").arg(path).arg(size))));
    window->setWindowIcon(icon);
}

void applyColours(QWidget *widget)
{
    const QVariant fore = widget->property(foreColorProperty);
    if (fore.isValid())
        setForeColour(widget, parseColourWord(fore.toString()));
    const QVariant back = widget->property(backColorProperty);
    if (back.isValid())
        setBackColour(widget, parseColourWord(back.toString()));
}

// Faces stand in for the designed ones with other widths, so a one-line label that would clip
// its design text grows into the room its parent has, around its alignment.
void fitLabel(QLabel *label)
{
    const int needed = label->fontMetrics().horizontalAdvance(label->text()) + 2 * label->margin();
    const int room = label->parentWidget()->width();
    const int width = std::min(needed, room);
    if (label->wordWrap() || width <= label->width())
        return;
    const int grow = width - label->width();
    const int left = label->alignment() & Qt::AlignHCenter ? label->x() - grow / 2 : label->x();
    label->setGeometry(std::clamp(left, 0, room - width), label->y(), width, label->height());
}

// A window without a title bar has a one-pixel border; its client area starts inside it.
void applyBorder(QWidget *window)
{
    auto *frame = qobject_cast<QFrame *>(window);
    const int border = frame ? frame->frameWidth() : 0;
    window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    for (QWidget *child : window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->move(child->pos() + QPoint(border, border));
    window->resize(window->size() + QSize(2 * border, 2 * border));
}

// Controls below the client area's bottom edge are out of sight; hidden, screen readers do not
// read them either. They keep their captions and show again when the area grows.
void hideWhatIsOutOfSight(QWidget *area, int height)
{
    for (QWidget *control : area->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        control->setVisible(control->y() < height);
}

void applyFrame(QWidget *window)
{
    if (window->property(frameProperty).toString() == u"titled")
        window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    else
        applyBorder(window);
    // A main window's design size is its client area. That stays fixed, and the window around
    // it follows the menu bar, whose height changes with the captions' language.
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        main->centralWidget()->setFixedSize(main->size());
        hideWhatIsOutOfSight(main->centralWidget(), main->height());
        main->layout()->setSizeConstraint(QLayout::SetFixedSize);
        main->layout()->activate();
    } else {
        window->setFixedSize(window->size());
    }
}

} // namespace

QColor colour(ColourWord word)
{
    if (word & 0x80000000u)
        return systemColourByIndex(int(word & 0xFFu));
    return QColor(int(word & 0xFFu), int((word >> 8) & 0xFFu), int((word >> 16) & 0xFFu));
}

ColourWord parseColourWord(const QString &text)
{
    bool ok = false;
    const ColourWord word = text.toUInt(&ok, 16);
    if (!ok)
        qFatal("bad colour word \"%s\" in a window's design", qPrintable(text));
    return word;
}

void setForeColour(QWidget *widget, ColourWord word)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour(word));
    palette.setColor(QPalette::ButtonText, colour(word));
    widget->setPalette(palette);
}

namespace {
// A main window's background is its client area's: the menu bar keeps the desktop's colours.
QWidget *clientArea(QWidget *widget)
{
    auto *main = qobject_cast<QMainWindow *>(widget);
    return main ? main->centralWidget() : widget;
}
} // namespace

void setBackColour(QWidget *window, ColourWord word)
{
    QWidget *widget = clientArea(window);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour(word));
    palette.setColor(QPalette::Button, colour(word));
    widget->setPalette(palette);
    // Buttons leave their surface to the style, which tints the frames they stand in: a filled
    // option button would show as a patch of another shade.
    widget->setAutoFillBackground(!qobject_cast<QAbstractButton *>(widget));
}

QColor backColour(QWidget *widget)
{
    return clientArea(widget)->palette().color(QPalette::Window);
}
QColor foreColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

QString caption(const QObject *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control))
        return labelCaption(label->text());
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    if (auto *menu = qobject_cast<const QMenu *>(control))
        return menu->title();
    if (auto *entry = qobject_cast<const QAction *>(control))
        return entry->text();
    if (auto *window = qobject_cast<const QWidget *>(control))
        return window->windowTitle();
    qFatal("%s has no caption", qPrintable(control->objectName()));
}

void setCaption(QObject *control, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(plainText(text));
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(control))
        frame->setTitle(text);
    else if (auto *menu = qobject_cast<QMenu *>(control))
        menu->setTitle(text);
    else if (auto *entry = qobject_cast<QAction *>(control))
        entry->setText(text);
    else if (auto *window = qobject_cast<QWidget *>(control))
        window->setWindowTitle(text);
    else
        qFatal("%s has no caption", qPrintable(control->objectName()));
}

void setChecked(QAction *entry, bool checked)
{
    const bool outer = settingCheckMark;
    settingCheckMark = true;
    entry->setChecked(checked);
    settingCheckMark = outer;
}

int outerHeight(const QMainWindow *window)
{
    return window->centralWidget()->height() * twipsPerPixel + titleAndMenuTwips;
}

void setOuterHeight(QMainWindow *window, int twips)
{
    const int height = pixels(twips - titleAndMenuTwips);
    window->centralWidget()->setFixedHeight(height);
    hideWhatIsOutOfSight(window->centralWidget(), height);
    window->layout()->activate();
}

void applyDesign(QWidget *window)
{
    applyFonts(window);
    applyIcon(window);
    applyColours(window);
    for (QWidget *widget : window->findChildren<QWidget *>())
        applyColours(widget);
    for (QLabel *label : window->findChildren<QLabel *>()) {
        fitLabel(label);
        // No label sits in a layout. Without a fixed size, every new text (each tick of a
        // counter) would post its parent a layout request that nothing answers.
        label->setFixedSize(label->size());
        if (label->property(pictureProperty).isValid())
            applyPicture(label);
    }
    for (QAction *entry : window->findChildren<QAction *>())
        if (entry->isCheckable())
            keepCheckMarkUntilSet(entry);
    applyFrame(window);
}

} // namespace ui
