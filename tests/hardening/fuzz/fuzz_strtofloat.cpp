// Arbitrary bytes as field text, decoded as UTF-8, as Latin-1 and as raw UTF-16
// (lone surrogates included), read under both decimal separators: StrToFloat gives
// the nearest extended value or EConvertError quoting the text, nothing else.

#include "numeric_oracle.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const char* bytes = reinterpret_cast<const char*>(data);
    std::u16string units(size / 2, u'\0');
    std::memcpy(units.data(), data, units.size() * 2);
    const QString texts[] = {QString::fromUtf8(bytes, qsizetype(size)), QString::fromLatin1(bytes, qsizetype(size)),
                             QString::fromUtf16(units.data(), qsizetype(units.size()))};
    for (const QString& text : texts)
        for (QChar separator : {QLatin1Char(','), QLatin1Char('.')})
            if (const QString m = takton::oracle::readingMismatch(text, separator); !m.isEmpty()) {
                std::fprintf(stderr, "StrToFloat: %s\n", qUtf8Printable(m));
                std::abort();
            }
    return 0;
}
