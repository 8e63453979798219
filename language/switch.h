// SPDX-License-Identifier: MIT
// Switching every caption of the caption table to English or Farsi at run time.
#pragma once

namespace ui {
class Windows;
}

namespace language {

enum class Language { English, Farsi };

// Rewrites the captions in every window that has one, creating missing windows hidden, and
// moves the language check mark. It asks nothing about the language shown now.
void switchTo(Language language, ui::Windows &windows);

} // namespace language
