#pragma once
// Which caption each field and each result of a window belongs to, worked out once
// from the layout when the window is built. The field names a screen reader says, the
// result names and the design report all read this one record.

#include "layout.h"

#include <QString>
#include <string_view>
#include <vector>

class QWidget;

namespace takton {

// A place in a caption where a field stands: a run of three or more blanks, or the
// caption's end for a field drawn after it.
struct CaptionGap {
    qsizetype start = 0, end = 0;
};
std::vector<CaptionGap> captionGaps(const QString& caption);

struct FieldLink {
    std::string_view field;
    std::string_view caption; // the caption label it lies on, or the nearest to its left
    CaptionGap gap;           // the run of blanks it covers
};

struct ResultLink {
    std::string_view result;
    std::string_view caption; // empty for a result with no caption on its row
};

struct LayoutLinks {
    std::vector<FieldLink> fields;   // by caption in table order, left to right on each
    std::vector<ResultLink> results; // in table order

    // The fields on `caption`, left to right.
    std::vector<const FieldLink*> fieldsOn(std::string_view caption) const;
};

// The links of the controls built from `rows` on `canvas` (whose children are named
// after the rows), as they stand when built: a field or a result belongs to the caption
// to its left whose row shares most of its height (more than the pixel by which two
// lines may touch), of two the nearer one.
LayoutLinks linkLayout(const std::vector<ControlRow>& rows, const QWidget* canvas);

} // namespace takton
