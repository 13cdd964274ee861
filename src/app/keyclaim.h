#pragma once

class QWidget;

namespace kelmor {

// The window's keys are seen before the focused control, unless the control
// claims the key. These make a control claim what it uses itself.

// Undo and redo of a text box's own text, with every key the window gives
// undo and redo (Ctrl+Y too, which a text box does not know).
void claimEditingKeys(QWidget* textBox);
// Page Up and Page Down, which move through a list.
void claimPagingKeys(QWidget* list);

}  // namespace kelmor
