// SPDX-License-Identifier: MIT
// How controls describe themselves to screen readers where Qt's own description falls short.
#pragma once

namespace ui {

// Applies to every control described from then on, so it comes before any window is built.
void describeControlsToScreenReaders();

} // namespace ui
