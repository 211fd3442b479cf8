#pragma once
// Input fields carry no caption of their own: the user reads the label they lie on.
// A screen reader gets the same words as the field's accessible name.

class QWidget;

namespace takton {

struct LayoutLinks;

// Names every input field on `canvas` after the part of its caption label that
// introduces it, and the unit that follows it ("Um1 = B", "I'к2 = А").
void nameFieldsAfterCaptions(QWidget* canvas, const LayoutLinks& links);

// A field whose rectangle would cover the first letter of the unit after its blanks
// ("Rк2 = [1200]м"): its caption is set wider, the unit just after the field.
void clearUnitsOfFields(QWidget* canvas, const LayoutLinks& links);

} // namespace takton
