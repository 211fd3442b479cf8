#pragma once
// The typefaces of the windows, matched on this system to the widths the layouts
// were drawn for.

#include "layout.h"

#include <QFont>

#include <thread>

namespace takton {

// Fontconfig reads its configuration and its font caches on a thread of its own from
// construction on, while the display connection is being set up; finish() waits for
// it. Font lookups that come first simply wait inside fontconfig.
class FontconfigWarmUp {
public:
    FontconfigWarmUp();
    ~FontconfigWarmUp();
    void finish();

private:
    std::thread reading;
};

// Registers Tahoma from Wine's fonts, which fontconfig does not know. Call once
// after the application object exists; windows fall back to DejaVu Sans Condensed
// when it is missing.
void loadApplicationFonts();

QFont fontFor(Kind kind, const Style& style);

// Letter spacing that makes `caption` as wide as `width` pixels in `font`.
QFont fittedToWidth(QFont font, QStringView caption, int width);

// Everything about `font` and `text` that decides how wide the text is set: equal keys,
// equal widths.
QString measureKey(const QFont& font, QStringView text);

} // namespace takton
