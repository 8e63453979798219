// SPDX-License-Identifier: MIT
// Who made Tickwell, as the splash and the About window credit it.
#pragma once

#include <QString>

namespace app {

inline const QString authorLatin = QStringLiteral("Arman Tavakoli");
inline const QString authorFarsi = QStringLiteral("آرمان توکلي");

} // namespace app
