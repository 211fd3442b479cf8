#include "errors.h"

namespace takton {

Exception::Exception(QString message) : text(std::move(message)), utf8(text.toUtf8()) {}

// Concatenated, never formatted: the field text may contain anything, "%s" included.
EConvertError::EConvertError(const QString& fieldText)
    : Exception(QStringLiteral("'") + fieldText + QStringLiteral("' is not a valid floating point value"))
{
}

EZeroDivide::EZeroDivide() : Exception(QStringLiteral("Floating point division by zero")) {}

EInvalidOp::EInvalidOp() : Exception(QStringLiteral("Invalid floating point operation")) {}

EOverflow::EOverflow() : Exception(QStringLiteral("Floating point overflow")) {}

} // namespace takton
