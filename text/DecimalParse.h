// Overflow-safe decimal conversions shared by the text utilities. They behave
// like the C library's atoi/strtod in the C locale, but saturate instead of
// overflowing.
#pragma once

#include <climits>

// Value of the digits [b, e) (all '0'..'9'), negated when neg; saturates at
// +-LLONG_MAX so that no digit run can overflow.
long long DigitsValue(const char* b, const char* e, bool neg);

inline int SaturateInt(long long v) {
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
}

// atoi over [b, e), stopping early at a NUL: leading C white space
// (blank, \t \n \v \f \r), an optional sign, then digits. 0 when no digit leads.
int ParseLeadingInt(const char* b, const char* e);

// Longest prefix of text that is a decimal number, read in the C locale
// whatever the process locale; 0.0 when none. Overflow gives +-inf.
double ParseDoublePrefix(const char* text);
