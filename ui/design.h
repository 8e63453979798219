// SPDX-License-Identifier: MIT
// How the windows' design-time units, colours, fonts and captions map onto Qt.
#pragma once

#include <QColor>
#include <QString>

class QAction;
class QMainWindow;
class QObject;
class QWidget;

namespace ui {

// Positions and sizes are designed in twips: 15 to the pixel at 96 dots per inch.
constexpr int twipsPerPixel = 15;
constexpr int pixels(int twips)
{
    return twips / twipsPerPixel;
}

// Colours are 32-bit words 0x00BBGGRR, or 0x800000NN for system colour NN.
using ColourWord = quint32;
constexpr ColourWord systemColour(int index)
{
    return 0x80000000u | ColourWord(index);
}
QColor colour(ColourWord word);
ColourWord parseColourWord(const QString &text);

void setForeColour(QWidget *widget, ColourWord word);
void setBackColour(QWidget *widget, ColourWord word);
QColor backColour(QWidget *widget);
QColor foreColour(const QWidget *widget);

// Captions use "&" before the access key and "&&" for one ampersand, whatever the control.
QString caption(const QObject *control);
void setCaption(QObject *control, const QString &text);
// A caption as shown and read: no access key, and "&&" is one ampersand.
QString plainText(const QString &caption);

// A menu entry's check mark changes only when the program sets it, never by being chosen.
void setChecked(QAction *entry, bool checked);

// The main window's outer height counts a nominal title bar and menu bar of 840 twips.
constexpr int titleAndMenuTwips = 840;
int outerHeight(const QMainWindow *window);
void setOuterHeight(QMainWindow *window, int twips);

// Turns a freshly set-up window into its design: fonts, colours, check marks, frame and size.
void applyDesign(QWidget *window);

} // namespace ui
