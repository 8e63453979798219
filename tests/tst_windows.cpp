// SPDX-License-Identifier: MIT
#include "ui/design.h"
#include "ui/windows.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A small window whose button unloads it, like every secondary window of the program.
QWidget *selfClosing(ui::Windows &windows, int *created)
{
    ++*created;
    auto *window = new QWidget;
    window->resize(100, 50);
    auto *button = new QPushButton(QStringLiteral("&OK"), window);
    button->setObjectName(QStringLiteral("Command1"));
    QObject::connect(button, &QPushButton::clicked, window,
                     [&windows, window] { windows.unload(window->objectName()); });
    return window;
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
    int created = 0;

    void define(ui::Windows &windows, ui::OnClose onClose = ui::OnClose::Unload)
    {
        windows.define(
            QStringLiteral("Form9"), [this](ui::Windows &w) { return selfClosing(w, &created); },
            onClose);
    }

  private slots:
    void init() { created = 0; }

    void referenceCreatesOnceAndHidden()
    {
        ui::Windows windows;
        define(windows);
        QCOMPARE(windows.find("Form9"), nullptr);
        windows.control<QPushButton>("Form9", "Command1");
        QVERIFY(windows.find("Form9"));
        QVERIFY(!windows.find("Form9")->isVisible());
        windows.show("Form9");
        windows.show("Form9");
        QCOMPARE(created, 1);
        QVERIFY(windows.find("Form9")->isVisible());
    }

    void unloadFromItsOwnButtonIsSafeAndForgetsTheWindow()
    {
        ui::Windows windows;
        define(windows);
        windows.show("Form9");
        QPointer<QWidget> first = windows.find("Form9");
        QTest::mouseClick(&windows.control<QPushButton>("Form9", "Command1"), Qt::LeftButton);
        QCOMPARE(windows.find("Form9"), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        windows.show("Form9");
        QCOMPARE(created, 2);
    }

    void closingByTheWindowManagerUnloads()
    {
        ui::Windows windows;
        define(windows);
        windows.show("Form9");
        windows.find("Form9")->close();
        QCOMPARE(windows.find("Form9"), nullptr);
    }

    void closingTheMainWindowEndsTheProgram()
    {
        ui::Windows windows;
        define(windows, ui::OnClose::EndProgram);
        QSignalSpy ended(&windows, &ui::Windows::programEnded);
        windows.show("Form9");
        windows.find("Form9")->close();
        QCOMPARE(ended.count(), 1);
        QVERIFY(!windows.find("Form9")->isVisible());
    }

    void noHandlerRunsAfterTheEnd()
    {
        ui::Windows windows;
        define(windows);
        windows.show("Form9");
        QSignalSpy clicked(&windows.control<QPushButton>("Form9", "Command1"),
                           &QPushButton::clicked);
        windows.end();
        windows.control<QPushButton>("Form9", "Command1").click();
        QCOMPARE(clicked.count(), 0);
        QVERIFY(windows.find("Form9")); // still there, for the destructor to free
    }

    void endClosesAnOpenMessageBoxAndTheCallerGoesOn()
    {
        ui::Windows windows;
        bool boxWasOpen = false;
        QTimer::singleShot(0, &windows, [&] {
            boxWasOpen = QApplication::activeModalWidget() != nullptr;
            windows.end();
        });
        windows.message(QStringLiteral("text"), ui::MessageStyle::OkOnly);
        QVERIFY(boxWasOpen);
        windows.message(QStringLiteral("not shown after the end"), ui::MessageStyle::OkOnly);
    }

    void messageBoxIsTitledWithTheProgramName()
    {
        ui::Windows windows;
        QString title;
        QTimer::singleShot(0, &windows, [&] {
            title = QApplication::activeModalWidget()->windowTitle();
            QApplication::activeModalWidget()->close();
        });
        windows.message(QStringLiteral("text"), ui::MessageStyle::OkInformation);
        QCOMPARE(title, QStringLiteral("Tickwell"));
    }

    void colourWords_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("red is the low byte") << "0x000000FF" << QColor(255, 0, 0);
        QTest::newRow("blue is the third byte") << "0x00FF0000" << QColor(0, 0, 255);
        QTest::newRow("pink digits") << "0x00FF80FF" << QColor(255, 128, 255);
        QTest::newRow("system colour 0")
            << "0x80000000" << QApplication::palette().color(QPalette::Window);
        QTest::newRow("system colour 18")
            << "0x80000012" << QApplication::palette().color(QPalette::ButtonText);
    }
    void colourWords()
    {
        QFETCH(QString, word);
        QFETCH(QColor, expected);
        QCOMPARE(ui::colour(ui::parseColourWord(word)), expected);
    }

    void labelCaptionsShowOneAmpersandForTwo()
    {
        QLabel label;
        ui::setCaption(&label, QStringLiteral("Design && Programming "));
        QCOMPARE(label.text(), QStringLiteral("Design & Programming "));
        QCOMPARE(ui::caption(&label), QStringLiteral("Design && Programming "));
    }

    void captionsOfEveryKind()
    {
        QMainWindow window;
        auto *frame = new QGroupBox(&window);
        auto *entry = new QAction(&window);
        for (QObject *control : {static_cast<QObject *>(&window), static_cast<QObject *>(frame),
                                 static_cast<QObject *>(entry)}) {
            ui::setCaption(control, QStringLiteral("&File"));
            QCOMPARE(ui::caption(control), QStringLiteral("&File"));
        }
    }

    void choosingACheckedEntryLeavesItsMarkToTheProgram()
    {
        QWidget window;
        auto *entry = new QAction(&window);
        entry->setCheckable(true);
        window.setProperty("frame", QStringLiteral("border"));
        ui::applyDesign(&window);
        entry->trigger();
        QVERIFY(!entry->isChecked());
        ui::setChecked(entry, true);
        entry->trigger();
        QVERIFY(entry->isChecked());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
