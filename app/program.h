// SPDX-License-Identifier: MIT
// The program's windows by name, and its start.
#pragma once

namespace ui {
class Windows;
}

namespace app {

void defineWindows(ui::Windows &windows);
void start(ui::Windows &windows);

} // namespace app
