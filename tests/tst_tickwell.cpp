// SPDX-License-Identifier: MIT
// Two tables drive this test. texts.tsv holds every caption, tool tip, shortcut and check mark of
// every window as built, after English and after Farsi, so one wrong letter or blank anywhere
// shows. scenarios.txt holds user stories: actions, then what must hold after them.
#include "harness.h"
#include "ui/faces.h"

#include <QFile>
#include <QFontDatabase>
#include <QGroupBox>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>

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
        texts[name + ":name"] =
            QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name);
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

QStringList bellTrace; // what the bell did, as bells.txt words it

// A label designed in a missing face names the face that stands in for it.
QString drawnFaces(QString check)
{
    static const QRegularExpression designed(QStringLiteral(":font=(.+?) \\d"));
    const QRegularExpressionMatch face = designed.match(check);
    return face.hasMatch() ? check.replace(face.capturedStart(1), face.capturedLength(1),
                                           ui::standInFor(QFont(face.captured(1))))
                           : check;
}

// Rows of "name | actions | checks", with quotes grouping words with blanks.
void addRows(const char *table)
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("checks");
    for (const QString &line : dataLines(table)) {
        const QStringList parts = line.split(u'|');
        QTest::newRow(qPrintable(parts[0].trimmed()))
            << QProcess::splitCommand(parts.value(1)) << QProcess::splitCommand(parts.value(2));
    }
}

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

    // Each face choice draws the counters in a face of its own kind that has every glyph; System is
    // the desktop's own face, which may be any of the others. The printing faces' Dingbats claims
    // the digits' code points with pictures, and is never one.
    void faces()
    {
        const QString desktop =
            QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
        const QStringList faces =
            QString("DejaVu Sans Condensed,DejaVu Sans,Charis SIL,Liberation "
                    "Mono,Comic Neue,Liberation Sans,Bebas Neue,Liberation Serif")
                .split(u',')
            << desktop;
        QVERIFY(QFontDatabase::hasFamily("D050000L") && !ui::drawsCounters(QFont("D050000L")));
        Program program;
        program.act("handover");
        program.act("F4");
        for (int option = 20; option <= 28; ++option) {
            program.act("Form3.Option" + QString::number(option));
            const QFont font = program.windows.control<QLabel>("Form1", "Label3").font();
            QCOMPARE(QFontInfo(font).family(), faces[option - 20]);
            QVERIFY2(ui::drawsCounters(QFont(QFontInfo(font).family())), qPrintable(font.family()));
        }
    }

    void bell_data() { addRows(TABLES "/bells.txt"); }
    // The bell on the test's clock, its sound server a fake that answers when the row says so.
    void bell()
    {
        QFETCH(QStringList, actions);
        QFETCH(QStringList, checks);
        const QStringList answers = {"ok", "noserver", "noanswer", "nobell", "nolibrary"};
        ui::DesktopBell::Time now{};
        ui::DesktopBell::Answer pending;
        const auto fake = [&](auto answer) { bellTrace << "desktop", pending = std::move(answer); };
        ui::DesktopBell bell([&] { return fake; }, [&] { return now; });
        bell.displayBell = [] { bellTrace << "display"; };
        bellTrace.clear();
        const QtMessageHandler kept =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &line) {
                bellTrace << "told(" + line.section(u'(', 1).section(u')', 0, 0) + ')';
            });
        for (const QString &action : actions) {
            if (action == u"ring")
                bell.ring();
            else if (action.startsWith(u"ms="))
                now += ui::DesktopBell::Time(action.mid(3).toLongLong()), bell.standInIfStuck();
            else if (pending)
                std::exchange(pending, {})(ui::BellFailure(answers.indexOf(action)));
        }
        qInstallMessageHandler(kept);
        QCOMPARE(bellTrace, checks);
    }

    void scenario_data() { addRows(TABLES "/scenarios.txt"); }
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
                     drawnFaces(check));
    }
};

QTEST_MAIN(TestTickwell)
#include "tst_tickwell.moc"
