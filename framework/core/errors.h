#pragma once
// The four failures a step can meet. Each carries the text the user reads in the
// error box; the top-level reporter adds the closing full stop.

#include <QString>
#include <exception>

namespace takton {

class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& message() const noexcept { return text; }
    const char* what() const noexcept override { return utf8.constData(); }

private:
    QString text;
    QByteArray utf8;
};

// Text typed into a field is not a number. The field's text is quoted as typed.
class EConvertError : public Exception {
public:
    explicit EConvertError(const QString& fieldText);
};

// A finite non-zero value divided by zero (negative zero included).
class EZeroDivide : public Exception {
public:
    EZeroDivide();
};

// Zero divided by zero, or any other operation without a defined result.
class EInvalidOp : public Exception {
public:
    EInvalidOp();
};

// A result beyond the range of a stored double.
class EOverflow : public Exception {
public:
    EOverflow();
};

} // namespace takton
