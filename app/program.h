// SPDX-License-Identifier: MIT
// The program's windows by name, and its start.
#pragma once

namespace ui {
class Windows;
}

namespace app {

// Chooses the toolkit's event loop and drawing path; runs before the application object exists.
void prepareToolkit();
void defineWindows(ui::Windows &windows);
void start(ui::Windows &windows);

} // namespace app
