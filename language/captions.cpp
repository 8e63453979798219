// SPDX-License-Identifier: MIT
#include "language/captions.h"

#include "app/credits.h"

namespace language {

namespace {

// Each text once; rows refer to it. The Farsi is written as it is meant to be stored: Arabic
// yeh U+064A, kaf U+06A9, no joiners, plain spaces.
namespace en {
const QString about = QStringLiteral("About"), english = QStringLiteral("English"),
              exit = QStringLiteral("Exit"), farsi = QStringLiteral("Farsi"),
              file = QStringLiteral("File"), help = QStringLiteral("Help"),
              language = QStringLiteral("Language"), option = QStringLiteral("Option"),
              reset = QStringLiteral("Reset"), beep = QStringLiteral("Beep"),
              noBeep = QStringLiteral("No Beep"), title = QStringLiteral("Vizaded Adede"),
              keyCommands = QStringLiteral("Key Commands"),
              digitColor = QStringLiteral("Digit Color"),
              background = QStringLiteral("Background Color"),
              timerInterval = QStringLiteral("Timer Interval"),
              formCaption = QStringLiteral("Form Caption"), font = QStringLiteral("Font"),
              fontStyle = QStringLiteral("Font Style"), blue = QStringLiteral("Blue"),
              red = QStringLiteral("Red"), yellow = QStringLiteral("Yellow"),
              white = QStringLiteral("White"), black = QStringLiteral("Black"),
              hour = QStringLiteral("Hour"), minute = QStringLiteral("Minute"),
              second = QStringLiteral("Second"), byDefault = QStringLiteral("Default"),
              bold = QStringLiteral("Bold"), italic = QStringLiteral("Italic"),
              underline = QStringLiteral("Undeline"), ok = QStringLiteral("OK"),
              design = QStringLiteral("Design && Programming"), by = QStringLiteral("by"),
              sure = QStringLiteral("Are You Sure?"), cancel = QStringLiteral("Cancel"),
              start = QStringLiteral("Start"), secondTimer = QStringLiteral("Second Timer"),
              timer1 = QStringLiteral("Timer 1"), timer2 = QStringLiteral("Timer 2"),
              stop = QStringLiteral("Stop"), both = QStringLiteral("Both"),
              options = QStringLiteral("Options"), keyCommandsCard = QStringLiteral("Key commands"),
              aboutCard = QStringLiteral("About Tickwell"),
              resetConfirmation = QStringLiteral("Reset confirmation");
} // namespace en

namespace fa {
const QString about = QStringLiteral("در باره"), english = QStringLiteral("انگليسي"),
              exit = QStringLiteral("خروج"), farsi = QStringLiteral("فارسي"),
              file = QStringLiteral("فايل"), help = QStringLiteral("کمک"),
              language = QStringLiteral("زبان"), option = QStringLiteral("انتخابها"),
              reset = QStringLiteral("صفر کردن"), beep = QStringLiteral("صدا"),
              noBeep = QStringLiteral("قطع صدا"), title = QStringLiteral("تايمر ويندوز"),
              keyCommands = QStringLiteral("فرامين صفحه کليد"),
              digitColor = QStringLiteral("رنگ اعداد"), background = QStringLiteral("رنگ پس زمينه"),
              timerInterval = QStringLiteral("وقفه شمارش"),
              formCaption = QStringLiteral("عنوان پنجره"), font = QStringLiteral("فونت"),
              fontStyle = QStringLiteral("حالت فونت"), blue = QStringLiteral("آبي"),
              red = QStringLiteral("قرمز"), yellow = QStringLiteral("زرد"),
              white = QStringLiteral("سفيد"), black = QStringLiteral("سياه"),
              hour = QStringLiteral("ساعت"), minute = QStringLiteral("دقيقه"),
              second = QStringLiteral("ثانيه"), byDefault = QStringLiteral("پيش فرض"),
              bold = QStringLiteral("ضخيم"), italic = QStringLiteral("کج"),
              underline = QStringLiteral("خط دار"), ok = QStringLiteral("تائيد"),
              design = QStringLiteral("طراحي و برنامه نويسي"), by = QStringLiteral("از"),
              sure = QStringLiteral("مطمئن هستيد؟"), cancel = QStringLiteral("لغو"),
              start = QStringLiteral("شروع"), secondTimer = QStringLiteral("تايمر دوم"),
              firstTimer = QStringLiteral("تايمر اول"), stop = QStringLiteral("توقف"),
              resetFirst = QStringLiteral("صفر کردن تايمر اول"),
              resetSecond = QStringLiteral("صفر کردن تايمر دوم"),
              both = QStringLiteral("هر دو تايمر"),
              resetBoth = QStringLiteral("صفر کردن هر دو تايمر");
} // namespace fa

const QString form1 = QStringLiteral("Form1"), form2 = QStringLiteral("Form2"),
              form3 = QStringLiteral("Form3"), form4 = QStringLiteral("Form4"),
              form6 = QStringLiteral("Form6"), form7 = QStringLiteral("Form7"),
              form8 = QStringLiteral("Form8");

} // namespace

const QList<CaptionRow> &captionTable()
{
    static const QList<CaptionRow> rows = {
        {form1, "MnuAbout", en::about, fa::about},
        {form1, "MnuEnglish", en::english, fa::english},
        {form1, "MnuExit", en::exit, fa::exit},
        {form1, "MnuFarsi", en::farsi, fa::farsi},
        {form1, "MnuFile", en::file, fa::file},
        {form1, "MnuHelp", en::help, fa::help},
        {form1, "MnuHelpC", en::help, fa::help},
        {form1, "MnuLanguage", en::language, fa::language},
        {form1, "MnuOption", en::option, fa::option},
        {form1, "MnuRest", en::reset, fa::reset},
        {form1, "MnuBeep", en::beep, fa::beep},
        {form1, "MnunoBeep", en::noBeep, fa::noBeep},
        {form1, "", en::title, fa::title},
        {form2, "Frame1", en::keyCommands, fa::keyCommands},
        {form2, "Command1", en::exit, fa::exit},
        {form3, "Frame1", en::digitColor, fa::digitColor},
        {form3, "Frame2", en::background, fa::background},
        {form3, "Frame3", en::timerInterval, fa::timerInterval},
        {form3, "Frame4", en::formCaption, fa::formCaption},
        {form3, "Frame5", en::font, fa::font},
        {form3, "Frame6", en::fontStyle, fa::fontStyle},
        {form3, "Option1", en::blue, fa::blue},
        {form3, "Option2", en::red, fa::red},
        {form3, "Option3", en::yellow, fa::yellow},
        {form3, "Option14", en::white, fa::white},
        {form3, "Option15", en::black, fa::black},
        {form3, "Option4", en::blue, fa::blue},
        {form3, "Option5", en::red, fa::red},
        {form3, "Option6", en::yellow, fa::yellow},
        {form3, "Option12", en::white, fa::white},
        {form3, "Option13", en::black, fa::black},
        {form3, "Option16", en::hour, fa::hour},
        {form3, "Option17", en::minute, fa::minute},
        {form3, "Option18", en::second, fa::second},
        {form3, "Option19", en::byDefault, fa::byDefault},
        {form3, "Option29", en::bold, fa::bold},
        {form3, "Option30", en::italic, fa::italic},
        {form3, "Option31", en::underline, fa::underline},
        {form3, "Command1", en::ok, fa::ok},
        {form3, "Command2", en::byDefault, fa::byDefault},
        {form4, "Label1", en::design, fa::design},
        {form4, "Label2", en::by, fa::by},
        {form4, "Label3", app::authorLatin, app::authorFarsi},
        {form4, "Command1", en::ok, fa::ok},
        {form6, "Label1", en::sure, fa::sure},
        {form6, "Command1", en::ok, fa::ok},
        {form6, "Command2", en::cancel, fa::cancel},
        {form1, "MnuStart", en::start, fa::start},
        {form1, "MnuStimer", en::secondTimer, fa::secondTimer},
        {form1, "MnuTimer1", en::timer1, fa::firstTimer},
        {form1, "MnuTimer2", en::timer2, fa::secondTimer},
        {form1, "MnuStop", en::stop, fa::stop},
        {form1, "MnuRT1", en::timer1, fa::resetFirst},
        {form1, "MnuRT2", en::timer2, fa::resetSecond},
        {form1, "MnuBoth", en::both, fa::both},
        {form7, "Label1", en::sure, fa::sure},
        {form7, "Command1", en::ok, fa::ok},
        {form7, "Command2", en::cancel, fa::cancel},
        {form8, "Label1", en::sure, fa::sure},
        {form8, "Command1", en::ok, fa::ok},
        {form8, "Command2", en::cancel, fa::cancel},
    };
    return rows;
}

// In Farsi the cards and dialogs are named as the menu entries that open them say (the key-commands
// card as its frame does); each reset confirmation names its counters.
const QList<NameRow> &windowNames()
{
    static const QList<NameRow> rows = {
        {form2, en::keyCommandsCard, fa::keyCommands},
        {form3, en::options, fa::option},
        {form4, en::aboutCard, fa::about},
        {form6, en::resetConfirmation, fa::resetFirst},
        {form7, en::resetConfirmation, fa::resetSecond},
        {form8, en::resetConfirmation, fa::resetBoth},
    };
    return rows;
}

} // namespace language
