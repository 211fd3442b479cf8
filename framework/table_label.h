#pragma once
// The labels of a table-built window: captions fitted to the width they were laid out
// for (so the blanks under the fields stay under them), results, and links.

#include "layout.h"

class QLabel;
class QWidget;

namespace takton {

// The label of `row` on `parent`, at its place in the table; a caption wider than its
// place grows to the right.
QLabel* makeTableLabel(const ControlRow& row, QWidget* parent);

} // namespace takton
