// SPDX-License-Identifier: MIT
// The windows' designs name Windows faces (Tahoma, Verdana, Impact …) that a Linux desktop seldom
// has. fontconfig alone answers each with whatever it matches: several with one face, and Impact,
// where the URW faces that printing brings are installed, with a Dingbats face that maps pictures
// onto the digits. Each missing face gets a free stand-in of its own kind instead.
#pragma once

#include <QFont>
#include <QString>

namespace ui {

// Whether an installed face draws what a counter shows as text: a glyph for every character, and
// digits shaped as digits, which a symbol face that claims their code points does not have.
bool drawsCounters(const QFont &font);

// Where a designed face is not installed, every font that names it draws from then on in its first
// installed stand-in that draws counters; an installed face of the name is drawn as it is. Each
// face is settled before its first use, one at a time: checking every stand-in at start would
// cost more than showing the splash. Returns the face drawn: a font that names it rather than
// the missing one spares Qt a fontconfig search for the missing face at every size. The font's
// family is the face; its size and weight are those it will draw in.
QString standInFor(const QFont &font);

} // namespace ui
