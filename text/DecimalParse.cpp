#include "text/DecimalParse.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>

long long DigitsValue(const char* b, const char* e, bool neg) {
    const unsigned long long cap = static_cast<unsigned long long>(LLONG_MAX);
    unsigned long long v = 0;
    for (; b < e; ++b) {
        unsigned d = static_cast<unsigned>(*b - '0');
        if (v > (cap - d) / 10) {
            v = cap;
            break;
        }
        v = v * 10 + d;
    }
    long long r = static_cast<long long>(v);
    return neg ? -r : r;
}

int ParseLeadingInt(const char* b, const char* e) {
    while (b < e && (*b == ' ' || (*b >= '\t' && *b <= '\r'))) ++b;
    bool neg = false;
    if (b < e && (*b == '+' || *b == '-')) {
        neg = *b == '-';
        ++b;
    }
    const char* d = b;
    while (d < e && *d >= '0' && *d <= '9') ++d;
    return SaturateInt(DigitsValue(b, d, neg));
}

double ParseDoublePrefix(const char* text) {
    // The JVM may have set a locale with a decimal comma; numbers here always use '.'.
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    if (cLocale == static_cast<locale_t>(0)) return std::strtod(text, nullptr);
    return strtod_l(text, nullptr, cLocale);
}
