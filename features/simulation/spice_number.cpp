#include "spice_number.h"

#include <charconv>

namespace takton::simulation {

QString spiceNumber(double value)
{
    char text[64];
    // std::to_chars never consults the locale.
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QString::fromLatin1(text, int(result.ptr - text));
}

} // namespace takton::simulation
