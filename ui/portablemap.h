// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

namespace ui {

// The pixels of a resource in Netpbm's PAM format ("P7"), one byte a sample, as the build writes
// the program's JPEG and PNG artwork: RGB, or RGB_ALPHA for the icons.
QImage readPortableArbitraryMap(const QString &resourcePath);

} // namespace ui
