#pragma once
// Input fields carry no caption of their own: the user reads the label they lie on.
// A screen reader gets the same words as the field's accessible name.

#include <QString>
#include <vector>

class QWidget;

namespace takton {

// Names every input field on `canvas` after the part of its caption label that
// introduces it, and the unit that follows it ("Um1 = B", "I'к2 = А").
void nameFieldsAfterCaptions(QWidget* canvas);

// A field whose rectangle would cover the first letter of the unit after its blanks
// ("Rк2 = [1200]м"): its caption is set wider, the unit just after the field.
void clearUnitsOfFields(QWidget* canvas);

// A place in a caption where a field stands: a run of three or more blanks, or the
// caption's end for a field drawn after it.
struct CaptionGap {
    qsizetype start = 0, end = 0;
};
std::vector<CaptionGap> captionGaps(const QString& caption);

} // namespace takton
