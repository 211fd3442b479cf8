// Arbitrary values as a label may receive them: a stored double, a stored double
// times 1e9 (a capacitance shown in nanofarads), or any finite extended value. The
// first byte chooses which, the next bytes give the bits. FloatToStr must write
// exactly the 15-digit text, well formed, reading back as the rounded value.

#include "numeric_oracle.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    std::uint8_t bits[10] = {};
    std::memcpy(bits, data + 1, std::min<std::size_t>(size - 1, sizeof bits));
    long double value = 0;
    switch (data[0] % 3) {
    case 0:
    case 1: {
        double stored;
        std::memcpy(&stored, bits, sizeof stored);
        if (!std::isfinite(stored))
            return 0; // a store never lets an infinity or a NaN through
        value = data[0] % 3 == 0 ? static_cast<long double>(stored) : stored * 1e9L;
        break;
    }
    case 2: {
        std::uint64_t fraction;
        std::uint16_t top;
        std::memcpy(&fraction, bits, 8);
        std::memcpy(&top, bits + 8, 2);
        value = takton::oracle::extendedFromBits(fraction, top & 0x7FFFu, top & 0x8000u);
        break;
    }
    }
    for (QChar separator : {QLatin1Char(','), QLatin1Char('.')})
        if (const QString m = takton::oracle::writingMismatch(value, separator); !m.isEmpty()) {
            std::fprintf(stderr, "FloatToStr: %s\n", qUtf8Printable(m));
            std::abort();
        }
    return 0;
}
