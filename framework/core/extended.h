#pragma once
// Formulas are evaluated in x87 extended precision and rounded to double only when
// a result is stored. `X` is an extended value whose operators turn what would be an
// infinity or a NaN into the failure the user must see; `store` rounds to double and
// refuses a value the double cannot hold, so the variable keeps its old value.

#include "errors.h"

#include <cfloat>
#include <cmath>

namespace takton {

static_assert(LDBL_MANT_DIG == 64, "formulas need the 80-bit extended format (64-bit significand)");

class X {
public:
    constexpr X(long double v) : v(v) {}      // NOLINT: implicit by design, operands extend
    constexpr X(double v) : v(v) {}            // NOLINT
    constexpr X(int v) : v(v) {}               // NOLINT: exact small constants (2, 3, 10)
    constexpr long double value() const { return v; }

    friend X operator+(X a, X b) { return checked(a.v + b.v); }
    friend X operator-(X a, X b) { return checked(a.v - b.v); }
    friend X operator*(X a, X b) { return checked(a.v * b.v); }
    friend X operator/(X a, X b)
    {
        if (b.v == 0.0L) {
            if (a.v == 0.0L)
                throw EInvalidOp();
            throw EZeroDivide();
        }
        return checked(a.v / b.v);
    }
    X operator-() const { return X(-v); }

private:
    static X checked(long double r)
    {
        if (std::isnan(r))
            throw EInvalidOp();
        if (std::isinf(r))
            throw EOverflow();
        return X(r);
    }

    long double v;
};

// The smallest magnitude that rounds to infinity as a double: halfway between the
// largest double and 2^1024. Anything below it rounds to a finite double.
inline constexpr long double doubleOverflowThreshold = 0x1.fffffffffffff8p1023L;

// Rounds to double for storing into a state variable. The range is checked before
// converting: converting a value the double cannot hold is undefined in C++.
inline double store(X x)
{
    const long double v = x.value();
    if (std::isnan(v))
        throw EInvalidOp();
    if (std::fabs(v) >= doubleOverflowThreshold)
        throw EOverflow();
    return static_cast<double>(v);
}

} // namespace takton
