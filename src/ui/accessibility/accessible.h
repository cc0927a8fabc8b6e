#pragma once

namespace ui {

// Makes the controls known to screen readers through Qt's accessibility framework: windows by
// their caption, pictures by their short names, labels by their captions, lists line by line,
// pictures that are clicked as buttons or switches. Pictures that only decorate, the sound
// control and the wrappers around lists are left out. Safe to call more than once.
void installAccessibility();

}  // namespace ui
