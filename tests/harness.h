// SPDX-License-Identifier: MIT
// A running program for widget tests: every window defined, the main window shown, beeps and
// messages counted instead of heard and clicked, and no real clock driving the counters.
#pragma once

#include "app/program.h"
#include "stopwatch/form1.h"
#include "ui/design.h"
#include "ui/windows.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QStringList>

struct Program {
    ui::Windows windows;
    int beeps = 0;
    QStringList messages;
    QList<ui::MessageStyle> styles;

    Program()
    {
        app::defineWindows(windows);
        windows.beeper = [this] { ++beeps; };
        windows.messenger = [this](const QString &text, ui::MessageStyle style) {
            messages << text;
            styles << style;
        };
        windows.show(QStringLiteral("Form1"));
        form1().Timer1.setInterval(0); // the tests tick by hand
    }

    Form1 &form1() { return windows.get<Form1>(QStringLiteral("Form1")); }
    QLabel &label(const QString &name) { return windows.control<QLabel>("Form1", name); }
    QAction &entry(const QString &name) { return windows.control<QAction>("Form1", name); }

    // "h:m:s" of the first (Label1-3) or second (Label6-8) counter.
    QString first() { return row({"Label1", "Label2", "Label3"}); }
    QString second() { return row({"Label6", "Label7", "Label8"}); }
    QString row(const QStringList &fields)
    {
        QStringList texts;
        for (const QString &field : fields)
            texts << ui::caption(&label(field));
        return texts.join(u':');
    }
    void setFirst(const QString &hms) { setRow({"Label1", "Label2", "Label3"}, hms); }
    void setRow(const QStringList &fields, const QString &hms)
    {
        const QStringList parts = hms.split(u':');
        for (int i = 0; i < 3; ++i)
            ui::setCaption(&label(fields[i]), parts[i]);
    }

    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};
