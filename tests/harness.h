// SPDX-License-Identifier: MIT
// The real windows, driven and read through short words that the scenario table and the monkey
// share. Beeps and messages are counted instead of heard and clicked, and time passes only when
// the test says so: the counters' own timers never fire.
#pragma once

#include "app/form5.h"
#include "app/program.h"
#include "stopwatch/form1.h"
#include "ui/design.h"
#include "ui/windows.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QBackingStore>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QtTest>

inline const QStringList windowNames = {"Form1", "Form2", "Form3", "Form4",
                                        "Form5", "Form6", "Form7", "Form8"};
inline const QStringList counterFields[] = {{"Label1", "Label2", "Label3"},
                                            {"Label6", "Label7", "Label8"}};

class Program : public QObject {
  public:
    ui::Windows windows;
    int beeps = 0;
    qint64 now = 0; // the test's clock, in milliseconds: the counters' and the repaint pacer's
    // "i " before a message with the information icon; a real box's title before its message.
    QStringList messages;
    QStringList created, showings; // windows as they were created; what was open as each showed

    Program()
    {
        qApp->installEventFilter(this);
        app::defineWindows(windows);
        windows.beeper = [this] { ++beeps; };
        windows.messenger = [this](const QString &text, ui::MessageStyle style) {
            messages << (style == ui::MessageStyle::OkInformation ? "i " : "") + text;
        };
        QObject::connect(&windows, &ui::Windows::created, this, [this](const QString &name) {
            const QWidget *main = windows.find("Form1");
            const auto *farsi = main ? main->findChild<QAction *>("MnuFarsi") : nullptr;
            created << name + (farsi && farsi->isChecked() ? "*" : "");
            if (name != u"Form1")
                return;
            for (ui::IntervalTimer *timer : form1().findChildren<ui::IntervalTimer *>())
                onTestClock(*timer);
            form1().findChild<stopwatch::RepaintPacer *>()->setClock(
                [this] { return now * 1'000'000; });
        });
        app::start(windows);
    }

    Form1 &form1() { return windows.get<Form1>("Form1"); }
    // The main window painted afresh from its current captions, at the screen's scale.
    QImage freshRendering() { return form1().grab().toImage(); }
    ui::IntervalTimer &timer(int row) { return row == 0 ? form1().Timer1 : form1().Timer2; }
    QString reading(int row)
    {
        QStringList texts;
        for (const QString &field : counterFields[row])
            texts << ui::caption(&windows.control<QLabel>("Form1", field));
        return texts.join(u':');
    }

    // The words are those of the scenario table's head.
    void act(const QString &action)
    {
        const QString word = action.section(u'=', 0, 0), value = action.section(u'=', 1);
        if (word == u"s" || word == u"ms")
            pass(value.toLongLong() * (word == u"s" ? 1000 : 1));
        else if (word == u"first" || word == u"second")
            setReading(word == u"first" ? 0 : 1, value);
        else if (word == u"close")
            windows.get(value).close();
        else if (word == u"boxes")
            windows.messenger = nullptr;
        else if (word == u"handover")
            windows.get<Form5>("Form5").Form5_Timer1_Timer();
        else if (word == u"toggle") // what a screen reader's action on an option does
            QAccessible::queryAccessibleInterface(&control<QAbstractButton>(value))
                ->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        else if (word.contains(u'.'))
            QTest::mouseClick(&control<QAbstractButton>(word), Qt::LeftButton);
        else
            press(QKeySequence(word.section(u'@', 0, 0)),
                  word.section(u'@', 1, 1, QString::SectionSkipEmpty));
        QCoreApplication::processEvents(); // what the event loop does next: exposes, paints
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // What the user can see or the program holds, as text: see the scenario table's head.
    QString probe(const QString &name)
    {
        const QString thing = name.section(u':', 0, 0), aspect = name.section(u':', 1);
        if (thing == u"first" || thing == u"second")
            return reading(thing == u"first" ? 0 : 1);
        if (thing == u"beeps")
            return QString::number(beeps);
        if (thing == u"messages")
            return messages.join(" + ");
        if (thing == u"marks")
            return marks();
        if (thing == u"open" || thing == u"loaded")
            return windowsThat(thing == u"open");
        if (thing == u"ended")
            return windows.ended() ? "yes" : "no";
        if (thing == u"interval" || thing == u"interval2")
            return QString::number(timer(thing == u"interval" ? 0 : 1).interval());
        if (thing == u"height")
            return QString::number(ui::outerHeight(&form1()));
        if (thing == u"row2")
            return secondRow();
        if (thing == u"screen")
            return screen();
        if (thing == u"created" || thing == u"shown")
            return (thing == u"created" ? created : showings).join(u' ');
        if (thing == u"clipped")
            return clipped();
        if (thing == u"splash")
            return QString::number(windows.get<Form5>("Form5").Timer1.interval());
        QObject &object = thing.contains(u'.') ? control<QObject>(thing) : windows.get(thing);
        return aspect.isEmpty() ? ui::caption(&object)
                                : widgetAspect(*qobject_cast<QWidget *>(&object), aspect);
    }

    QString marks()
    {
        QStringList marked;
        for (const char *entry : {"MnuBeep", "MnunoBeep", "MnuEnglish", "MnuFarsi"})
            if (windows.control<QAction>("Form1", entry).isChecked())
                marked << entry;
        return marked.join(u',');
    }

  protected:
    // No timer fires by itself: the counters and the held repaint time out only through pass().
    // A real message box is read and dismissed as soon as it shows.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (auto *box = qobject_cast<QMessageBox *>(watched);
            box && event->type() == QEvent::Show) {
            const bool informs = box->icon() == QMessageBox::Information;
            messages << box->windowTitle() + ": " + (informs ? "i " : "") + box->text();
            QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
        }
        if (event->type() == QEvent::Show && windowNames.contains(watched->objectName()))
            showings << windowsThat(true);
        return event->type() == QEvent::Timer;
    }

  private:
    template <class Control> Control &control(const QString &path)
    {
        return windows.control<Control>(path.section(u'.', 0, 0), path.section(u'.', 1));
    }

    void press(const QKeySequence &key, const QString &window)
    {
        QWidget &target = windows.get(window.isEmpty() ? "Form1" : window);
        target.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&target));
        QTest::keySequence(QApplication::focusWidget(), key);
    }

    // A timer restarted on the test's clock keeps its interval.
    void onTestClock(ui::IntervalTimer &timer)
    {
        const int interval = timer.interval();
        timer.setClock([this] { return now; });
        timer.setInterval(0);
        timer.setInterval(interval);
    }

    // A running timer's timeout comes at least once an interval, and catches up what is due. The
    // held paint's timer comes after the counters', whose ticks may have painted it already.
    void pass(qint64 milliseconds)
    {
        now += milliseconds;
        for (ui::IntervalTimer *timer : form1().findChildren<ui::IntervalTimer *>())
            if (timer->interval() > 0 && milliseconds >= timer->interval())
                timer->deliverDueTicks();
    }

    // Whether the main window shows what it holds: the pixels last painted into its backing store
    // (an image here) against a fresh rendering. A grab() alone paints anew and hides a freeze.
    QString screen()
    {
        const QImage *shown = static_cast<QImage *>(form1().backingStore()->paintDevice());
        return same(*shown, freshRendering()) ? "current" : "stale";
    }

    void setReading(int row, const QString &hms)
    {
        for (int i = 0; i < 3; ++i)
            ui::setCaption(&windows.control<QLabel>("Form1", counterFields[row][i]),
                           hms.section(u':', i, i));
    }

    QString windowsThat(bool visible)
    {
        QStringList names;
        for (const QWidget *window : QApplication::topLevelWidgets())
            if (windowNames.contains(window->objectName()) &&
                (visible ? window->isVisible() : windows.find(window->objectName()) == window))
                names << window->objectName();
        names.sort();
        return names.join(u',');
    }

    // Controls of the existing windows whose text does not fit their box in the face that shows it.
    QString clipped()
    {
        QStringList names;
        for (const QString &name : windowNames)
            if (const QWidget *window = windows.find(name))
                for (QWidget *control : window->findChildren<QWidget *>())
                    if (!fits(*control))
                        names << name + u'.' + control->objectName();
        return names.join(u',');
    }
    static bool fits(QWidget &control)
    {
        const QFontMetrics metrics = control.fontMetrics();
        if (auto *label = qobject_cast<QLabel *>(&control))
            return metrics.horizontalAdvance(label->text()) + 2 * label->margin() <=
                       label->contentsRect().width() &&
                   metrics.ascent() <= label->contentsRect().height();
        auto *button = qobject_cast<QAbstractButton *>(&control);
        if (!button)
            return true;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto contents = qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonContents
                                                                   : QStyle::SE_PushButtonContents;
        return metrics.horizontalAdvance(ui::plainText(button->text())) <=
               button->style()->subElementRect(contents, &option, button).width();
    }

    // Whether the second row is in sight: whole, cut off, or hidden below the client area.
    QString secondRow()
    {
        const QRect row = windows.control<QLabel>("Form1", "Label8").geometry();
        const int room = form1().centralWidget()->height();
        return row.bottom() < room ? "shown" : row.top() >= room ? "hidden" : "cut";
    }

    // Whether two images hold the same pixels, whatever their scale and format.
    static bool same(QImage image, QImage other)
    {
        image.setDevicePixelRatio(1);
        other.setDevicePixelRatio(1);
        constexpr auto format = QImage::Format_ARGB32_Premultiplied;
        return !other.isNull() && image.convertToFormat(format) == other.convertToFormat(format);
    }
    static bool shows(const QImage &image, const QString &artwork)
    {
        return same(image, QImage(QStringLiteral(ARTWORK "/") + artwork));
    }

    static bool paintedAsLabel(QLabel &field)
    {
        QObject *layouts = field.window()->findChild<QObject *>("fieldLayouts");
        const QString shown = field.text();
        bool alike = layouts;
        for (int count = 0; count <= 60 && alike; ++count) {
            field.setText(QString::number(count));
            const QImage kept = field.grab().toImage();
            field.removeEventFilter(layouts);
            field.setAttribute(Qt::WA_OpaquePaintEvent, false);
            alike = same(kept, field.grab().toImage());
            field.setAttribute(Qt::WA_OpaquePaintEvent);
            field.installEventFilter(layouts);
        }
        field.setText(shown);
        return alike;
    }

    static QString widgetAspect(QWidget &widget, const QString &aspect)
    {
        const QFont font = widget.font();
        if (aspect == u"box") {
            const QString size =
                QStringLiteral("%1 %2").arg(widget.width() * 15).arg(widget.height() * 15);
            if (widget.isWindow())
                return size;
            // A window's controls stand in its client area, inside the border.
            const QWidget *holder = widget.parentWidget();
            const QPoint at =
                widget.pos() - (holder->isWindow() ? holder->contentsRect().topLeft() : QPoint());
            return QStringLiteral("%1 %2 ").arg(at.x() * 15).arg(at.y() * 15) + size;
        }
        if (aspect == u"reading")
            return QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
        if (aspect == u"focus") {
            widget.activateWindow();
            return QTest::qWaitForWindowActive(&widget) && QApplication::focusWidget()
                       ? QApplication::focusWidget()->objectName()
                       : QString();
        }
        if (aspect == u"fore")
            return ui::foreColour(&widget).name();
        if (aspect == u"back")
            return ui::backColour(&widget).name();
        if (aspect == u"font")
            return QStringLiteral("%1 %2%3%4%5")
                .arg(font.family())
                .arg(font.pointSizeF())
                .arg(font.bold() ? " bold" : "", font.italic() ? " italic" : "",
                     font.underline() ? " underline" : "");
        if (aspect == u"digits") { // one width for every count of as many digits: no jiggle
            const QFontMetricsF metrics(font, &widget);
            QSet<qreal> widths[2];
            for (int count = 0; count <= 60; ++count)
                widths[count > 9] << metrics.horizontalAdvance(QString::number(count));
            return widths[0].size() == 1 && widths[1].size() == 1 ? "even" : "uneven";
        }
        if (aspect == u"painted") // every count of up to two digits, as QLabel paints it
            return paintedAsLabel(*qobject_cast<QLabel *>(&widget)) ? "as a label" : "otherwise";
        if (aspect == u"picture") {
            const QPixmap picture = qobject_cast<QLabel *>(&widget)->pixmap();
            const QSize size = picture.deviceIndependentSize().toSize();
            const bool sharp = picture.devicePixelRatio() == qApp->devicePixelRatio();
            const QString drawn = QFileInfo(widget.property("picture").toString()).baseName() +
                                  (picture.devicePixelRatio() > 1 ? "@2x.jpg" : ".jpg");
            return QStringLiteral("%1x%2").arg(size.width()).arg(size.height()) +
                   (sharp ? " sharp" : "") + (shows(picture.toImage(), drawn) ? " exact" : "");
        }
        if (aspect == u"icon") {
            const QIcon icon = widget.windowIcon();
            QStringList sizes;
            bool exact = true, sharp = true;
            for (const QSize size : icon.availableSizes()) {
                sizes << QString::number(size.width());
                exact = exact && shows(icon.pixmap(size, 1.0).toImage(),
                                       QStringLiteral("watch-%1.png").arg(size.width()));
            }
            const qreal scale = qApp->devicePixelRatio(); // title bars take 16 or 32 at the scale
            for (const int size : {16, 32})
                sharp = sharp && shows(icon.pixmap(QSize(size, size), scale).toImage(),
                                       QStringLiteral("watch-%1.png").arg(size * scale));
            return sizes.join(u' ') + (exact ? " exact" : "") + (sharp ? " sharp" : "");
        }
        return qobject_cast<QAbstractButton *>(&widget)->isChecked() ? "on" : "off";
    }
};
