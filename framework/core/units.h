#pragma once
// The unit suffixes written after numbers. Some letters are Latin look-alikes of
// Cyrillic ones and must stay exactly as they are.

#include <QStringView>

namespace takton::unit {

inline constexpr QStringView volts = u" B";                 // Latin B
inline constexpr QStringView amperes = u" \u0410";          // Cyrillic А
inline constexpr QStringView amperesLatin = u" A";          // Latin A
inline constexpr QStringView microamperes = u" \u043C\u043A\u0410";   // мкА, all Cyrillic
inline constexpr QStringView microamperesLatin = u" \u043C\u043AA";   // мк Cyrillic, A Latin
inline constexpr QStringView ohms = u" \u041E\u043C";       // Ом
inline constexpr QStringView nanofarads = u" \u043D\u0424"; // нФ
inline constexpr QStringView microseconds = u" \u043C\u043A\u0441"; // мкс
inline constexpr QStringView none = u"";

inline constexpr QStringView rangeSeparator = u"...";

} // namespace takton::unit
