#pragma once
// Input fields carry no caption of their own: the user reads the label they lie on.
// A screen reader gets the same words as the field's accessible name.

class QWidget;

namespace takton {

// Names every input field on `canvas` after the part of its caption label that
// introduces it, and the unit that follows it ("Um1 = B", "I'к2 = А").
void nameFieldsAfterCaptions(QWidget* canvas);

} // namespace takton
