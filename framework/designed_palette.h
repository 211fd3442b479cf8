#pragma once
// The colours every window is designed in.

#include <QColor>
#include <QPalette>

namespace takton {

namespace background {
inline constexpr QColor dialogFace{240, 240, 240};
inline constexpr QColor inactiveCaptionGradient{215, 228, 242}; // pale blue-grey
} // namespace background

// Dark text on light faces and white fields on `background`, whatever the desktop theme.
QPalette designedPalette(const QColor& background);

} // namespace takton
