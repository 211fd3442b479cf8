#pragma once
// What a screen reader says for the controls a user does not type into. A result
// label is named after the caption it stands after ("Сопротивление резистора Rк1")
// and reads its value as its text; a step button is named after its step ("Шаг 4").

class QLabel;
class QWidget;

namespace takton {

struct LayoutLinks;

// Names the result labels and the step buttons on `canvas` after their links.
void nameResultsAndSteps(QWidget* canvas, const LayoutLinks& links);

// A label named as a result by `nameResultsAndSteps`.
bool isResultLabel(const QLabel* label);

} // namespace takton
