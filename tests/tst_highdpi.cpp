// SPDX-License-Identifier: MIT
// Runs at a scale factor of 2 (see CMakeLists.txt): windows keep their size in logical pixels,
// pictures come from their sharp variants and no text is cut off.
#include "harness.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

class TestHighDpi : public QObject {
    Q_OBJECT

    // The width the style gives a button's text: beside the indicator, or inside the bevel.
    static int textRoom(const QAbstractButton *button)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const auto element = qobject_cast<const QRadioButton *>(button)
                                 ? QStyle::SE_RadioButtonContents
                                 : QStyle::SE_PushButtonContents;
        return button->style()->subElementRect(element, &option, button).width();
    }

    static QStringList clipped(QWidget &window)
    {
        QStringList found;
        for (const QLabel *label : window.findChildren<QLabel *>()) {
            const QFontMetrics metrics = label->fontMetrics();
            if (metrics.horizontalAdvance(label->text()) > label->contentsRect().width() ||
                metrics.ascent() > label->contentsRect().height())
                found << label->objectName();
        }
        for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
            if (button->fontMetrics().horizontalAdvance(button->text()) > textRoom(button))
                found << button->objectName();
        return found;
    }

  private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void windowIconIsDrawnForTheScale()
    {
        Program program;
        QImage icon = program.form1().windowIcon().pixmap(QSize(32, 32), 2.0).toImage();
        icon.setDevicePixelRatio(1.0);
        QCOMPARE(icon.convertToFormat(QImage::Format_ARGB32),
                 QImage(":/icon/watch-64.png").convertToFormat(QImage::Format_ARGB32));
    }

    void picturesAreTheSharpVariants_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QSizeF>("size");
        QTest::newRow("splash") << "Form5" << QSizeF(154, 140);
        QTest::newRow("About") << "Form4" << QSizeF(60, 127);
    }
    void picturesAreTheSharpVariants()
    {
        QFETCH(QString, window);
        QFETCH(QSizeF, size);
        Program program;
        const QPixmap picture = program.windows.control<QLabel>(window, "Image1").pixmap();
        QCOMPARE(picture.devicePixelRatio(), 2.0);
        QCOMPARE(picture.deviceIndependentSize(), size);
    }

    void windowsKeepTheirLogicalSize()
    {
        Program program;
        QCOMPARE(program.form1().width(), 194);
        QCOMPARE(program.windows.get("Form5").size(), QSize(310 + 2, 197 + 2));
    }

    void noTextIsCutOff_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form8"})
            QTest::newRow(window) << window;
    }
    void noTextIsCutOff()
    {
        QFETCH(QString, window);
        Program program;
        program.setFirst("59:59:59");
        program.setRow({"Label6", "Label7", "Label8"}, "59:59:59");
        QCOMPARE(clipped(program.windows.get(window)), QStringList());
    }

    // Fields are centred in fixed labels, so a face with digits of one width keeps them still.
    void counterDigitsHaveOneWidth()
    {
        Program program;
        const QFontMetrics metrics = program.label("Label1").fontMetrics();
        for (char digit = '1'; digit <= '9'; ++digit)
            QCOMPARE(metrics.horizontalAdvance(QChar(digit)), metrics.horizontalAdvance(u'0'));
    }
};

QTEST_MAIN(TestHighDpi)
#include "tst_highdpi.moc"
