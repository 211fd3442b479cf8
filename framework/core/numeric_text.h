#pragma once
// Numbers as the user types and reads them, with the decimal separator of the
// regional settings.

#include <QString>

namespace takton {

// Reads a field's text: optional blanks, sign, digits, separator, digits, exponent,
// blanks, nothing else. The result is the extended value nearest to the number; one
// beyond the extended range, or any other text, raises EConvertError quoting the text.
long double StrToFloat(const QString& text);

// Writes a value rounded to 15 significant digits (ties to even), in plain form from
// 0,0001 up to fifteen integer digits and in E notation outside that.
QString FloatToStr(long double value);

} // namespace takton
