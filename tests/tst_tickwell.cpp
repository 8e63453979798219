// SPDX-License-Identifier: MIT
// Two tables drive this test. texts.tsv holds every caption, tool tip, shortcut and check mark of
// every window as built, after English and after Farsi, so one wrong letter or blank anywhere
// shows. scenarios.txt holds user stories: actions, then what must hold after them.
#include "harness.h"

#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QProcess>

namespace {

QStringList dataLines(const char *path)
{
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("cannot read %s", path);
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file.readAll()).split(u'\n'))
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    return lines;
}

bool hasCaption(const QObject *object)
{
    const auto *entry = qobject_cast<const QAction *>(object);
    return entry ? !entry->isSeparator()
                 : qobject_cast<const QLabel *>(object) || qobject_cast<const QMenu *>(object) ||
                       qobject_cast<const QAbstractButton *>(object) ||
                       qobject_cast<const QGroupBox *>(object);
}

// Every text of every window, keyed "Form1.MnuStart:shortcut"; a window's title is "Form1:".
// Menus list their entries under ":items".
QMap<QString, QString> allTexts(ui::Windows &windows)
{
    QMap<QString, QString> texts;
    for (const QString &name : windowNames) {
        QWidget &window = windows.get(name);
        texts[name + u':'] = window.windowTitle();
        for (const QObject *object : window.findChildren<QObject *>()) {
            if (object->objectName().isEmpty() || object->objectName().startsWith(u"qt_"))
                continue;
            const QString key = name + u'.' + object->objectName();
            const auto *widget = qobject_cast<const QWidget *>(object);
            QStringList items; // a menu's entries in order, a submenu by its own name
            for (const QAction *item : widget ? widget->actions() : QList<QAction *>())
                items << (item->menu() ? item->menu()->objectName() : item->objectName());
            if (!items.isEmpty())
                texts[key + ":items"] = items.join(u' ');
            if (!hasCaption(object))
                continue;
            texts[key] = ui::caption(object);
            if (widget && !widget->toolTip().isEmpty())
                texts[key + ":tooltip"] = widget->toolTip();
            if (const auto *entry = qobject_cast<const QAction *>(object)) {
                if (!entry->shortcut().isEmpty())
                    texts[key + ":shortcut"] = entry->shortcut().toString();
                if (entry->isCheckable())
                    texts[key + ":checked"] = entry->isChecked() ? "yes" : "no";
            }
        }
    }
    return texts;
}

// What the bell did, in order: "desktop" as a ring goes to the sound server, "display" as the
// display's bell rings, and each line it told, by the words between its brackets.
QStringList bellTrace;

void traceTold(QtMsgType, const QMessageLogContext &, const QString &line)
{
    bellTrace << "told(" + line.section(u'(', 1).section(u')', 0, 0) + ')';
}

// The sound server, as the test answers for it.
class FakePlayer : public ui::DesktopBell::Player {
  public:
    explicit FakePlayer(Answer &pending) : pending_(pending) {}
    void play(Answer answer) override
    {
        bellTrace << "desktop";
        pending_ = std::move(answer);
    }

  private:
    Answer &pending_;
};

} // namespace

class TestTickwell : public QObject {
    Q_OBJECT

  private slots:
    void everyText_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("switchKey");
        QTest::newRow("as built") << 1 << QString();
        QTest::newRow("English") << 2 << "Ctrl+E";
        QTest::newRow("Farsi") << 3 << "Ctrl+F";
    }
    void everyText()
    {
        QFETCH(int, column);
        QFETCH(QString, switchKey);
        Program program;
        program.act("handover");
        if (!switchKey.isEmpty())
            program.act(switchKey);
        QMap<QString, QString> found = allTexts(program.windows);
        QStringList wrong;
        for (const QString &line : dataLines(TABLES "/texts.tsv")) {
            const QStringList row = line.split(u'\t');
            const QString want = row.value(column), got = found.take(row[0]);
            if (got != want)
                wrong << QStringLiteral("%1: \"%2\", not \"%3\"").arg(row[0], got, want);
        }
        for (const QString &key : found.keys())
            wrong << key + " is not in the table";
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
    }

    // Events: "ring"; "ms=N": time passes, and the bell looks whether a ring has waited too long;
    // the ring in flight answers "ok" or fails: "noserver", "nobell", "nolibrary".
    void bell_data()
    {
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("trace");
        const QString noAnswer = "told(the sound server has not answered for a second)",
                      noServer = "told(no sound server)",
                      noBell = "told(the sound theme has no bell)",
                      noLibrary = "told(libcanberra or its PulseAudio driver is missing)";
        QTest::newRow("fused in flight and within 45 ms")
            << "ring ms=50 ring ms=50 ring ok ms=44 ring ms=1 ring ok"
            << "desktop desktop";
        QTest::newRow("stands in after a second, desktop back after the answer")
            << "ring ms=999 ring ms=1 ms=50 ring ok ms=50 ring ms=1000"
            << "desktop " + noAnswer + " display display desktop display";
        QTest::newRow("stood in, then failed: rings once")
            << "ring ms=1000 noserver ms=10000 ring ok"
            << "desktop " + noAnswer + " display " + noServer + " desktop";
        QTest::newRow("retries after 10 s")
            << "ring noserver ms=9955 ring ms=45 ring noserver ms=10000 ring ok ms=50 ring ok"
            << "desktop " + noServer + " display display desktop display desktop desktop";
        QTest::newRow("each failure told as it first happens; no library, no retry")
            << "ring nobell ms=10000 ring noserver ms=10000 ring nobell ms=10000 ring nolibrary "
               "ms=99999 ring"
            << "desktop " + noBell + " display desktop " + noServer +
                   " display desktop display desktop " + noLibrary + " display display";
    }
    void bell()
    {
        QFETCH(QString, events);
        QFETCH(QString, trace);
        const QHash<QString, ui::BellFailure> failures = {
            {"noserver", ui::BellFailure::NoServer},
            {"nobell", ui::BellFailure::NoBell},
            {"nolibrary", ui::BellFailure::NoLibrary}};
        qint64 now = 0;
        ui::DesktopBell::Player::Answer pending;
        ui::DesktopBell bell([&] { return std::make_unique<FakePlayer>(pending); },
                             [&] { return now; });
        bell.displayBell = [] { bellTrace << "display"; };
        bellTrace.clear();
        const QtMessageHandler kept = qInstallMessageHandler(traceTold);
        for (const QString &event : events.split(u' ')) {
            if (event == u"ring")
                bell.ring();
            else if (event.startsWith(u"ms="))
                now += event.mid(3).toLongLong(), bell.standInIfStuck();
            else
                std::exchange(pending, {})(failures.value(event, ui::BellFailure::None));
        }
        qInstallMessageHandler(kept);
        QCOMPARE(bellTrace.join(u' '), trace);
    }

    void scenario_data()
    {
        QTest::addColumn<QStringList>("actions");
        QTest::addColumn<QStringList>("checks");
        for (const QString &line : dataLines(TABLES "/scenarios.txt")) {
            const QStringList parts = line.split(u'|');
            QTest::newRow(qPrintable(parts[0].trimmed()))
                << QProcess::splitCommand(parts.value(1)) << QProcess::splitCommand(parts.value(2));
        }
    }
    // A row starts on the main window, handed over by the splash, unless it begins at "splash".
    void scenario()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, checks);
        Program program;
        if (actions.value(0) != u"splash")
            program.act("handover");
        for (const QString &action : actions)
            if (action != u"splash")
                program.act(action);
        for (const QString &check : checks)
            QCOMPARE(check.section(u'=', 0, 0) + '=' + program.probe(check.section(u'=', 0, 0)),
                     check);
    }
};

QTEST_MAIN(TestTickwell)
#include "tst_tickwell.moc"
