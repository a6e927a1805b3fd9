// Conversions between numbers and strings on top of the C formatted output.
#pragma once

#include <string>

std::string itoa(int value);             // "%d"
std::string itostring(int value);        // same as itoa
std::string ftoa(float value);           // "%f" of the value widened to double
std::string ftostring(float value);      // same as ftoa(value)
// The value widened to double, written with format. The format must hold
// exactly one floating conversion (f F e E g G a A, with flags, width and
// precision, no '*'), besides any "%%"; any other format gives an empty string.
// Output is cut at 65535 characters.
std::string ftoa(float value, std::string format);
// Decimal conversion as the C library's atoi (leading white space, sign,
// digits), saturating at INT_MIN / INT_MAX instead of overflowing.
int atoi(const std::string& text);
// Formats into a temporary buffer of size bytes and assigns out the text up to
// its terminating zero (cut to size - 1 characters; size <= 0 gives "").
void sprintf(int size, std::string& out, const char* format, ...)
    __attribute__((format(printf, 3, 4)));
