#include "text/StringUtil.h"

#include <cmath>
#include <cstring>
#include <ostream>

#include "text/DecimalParse.h"

namespace {

const char kWS[] = " \t\n";
const char kDigits[] = "1234567890";

inline bool IsWS(char c) { return c == ' ' || c == '\t' || c == '\n'; }
inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A start position that can find anything: 0 <= start <= size.
inline bool ValidStart(const std::string& s, int start) {
    return start >= 0 && static_cast<size_t>(start) <= s.size();
}

}  // namespace

// ---- tokens and fields ----

std::string GetNextWSDelimitedString(const std::string& s, int start, int& next) {
    next = -1;
    if (!ValidStart(s, start)) return std::string();
    size_t b = s.find_first_not_of(kWS, static_cast<size_t>(start));
    if (b == std::string::npos) return std::string();
    size_t e = s.find_first_of(kWS, b);
    if (e == std::string::npos) return s.substr(b);
    next = static_cast<int>(e) + 1;
    return s.substr(b, e - b);
}

std::string SplitNext(const std::string& s, int& pos) { return GetNextWSDelimitedString(s, pos, pos); }
std::string NextString(const std::string& s, int& pos) { return GetNextWSDelimitedString(s, pos, pos); }

void Split(const std::string& s, std::vector<std::string>& out, std::string delimiter) {
    out.clear();
    const size_t d = delimiter.size();
    size_t p = s.find(delimiter);
    if (p == std::string::npos) return;
    out.push_back(s.substr(0, p));
    size_t a = p + d;
    for (;;) {
        size_t q = a <= s.size() ? s.find(delimiter, a) : std::string::npos;
        if (q == std::string::npos || q == a) {
            out.push_back(a < s.size() ? s.substr(a) : std::string());
            return;
        }
        out.push_back(s.substr(a, q - a));
        a = q + d;
    }
}

bool CutString(const std::string& s, std::string& out, int n, char c) {
    // Positions of the (n-1)-th and n-th delimiters, counting stops at the n-th.
    int found = 0;
    size_t before = std::string::npos, at = std::string::npos;
    for (size_t i = 0; found < n && i < s.size(); ++i) {
        if (s[i] != c) continue;
        ++found;
        if (found == n - 1) before = i;
        if (found == n) at = i;
    }
    if (n == 1) {
        out = found == 0 ? s : s.substr(0, at);
        return true;
    }
    if (n > 1 && found == n - 1) {
        out = s.substr(before + 1);
        return true;
    }
    if (n >= 0 && found == n) {
        out = n == 0 ? s : s.substr(before + 1, at - before - 1);
        return true;
    }
    out.clear();
    return false;
}

bool Cut(const std::string& s, std::string& out, int n, char c) { return CutString(s, out, n, c); }

// ---- keywords ----

int FindNextOf(const std::vector<std::string>& keys, const std::string& s, int start,
               int& begin, int& end) {
    begin = end = -1;
    if (!ValidStart(s, start)) return 0;
    size_t best = std::string::npos;
    int which = 0;
    for (size_t k = 0; k < keys.size(); ++k) {
        size_t p = s.find(keys[k], static_cast<size_t>(start));
        if (p < best) {
            best = p;
            which = static_cast<int>(k);
        }
    }
    if (best == std::string::npos) return 0;
    begin = static_cast<int>(best);
    end = begin + static_cast<int>(keys[which].size()) - 1;
    return which;
}

bool GetNextKeyword(const std::vector<std::string>& keys, const std::string& s, int start,
                    int& next, std::string& keyword) {
    int begin, end;
    FindNextOf(keys, s, start, begin, end);
    if (begin < 0) {
        next = -1;
        return false;
    }
    keyword = s.substr(begin, end - begin + 1);
    next = end + 1;
    return true;
}

// ---- tests ----

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0 && s.size() >= prefix.size();
}
bool StartsWith(const std::string& s, const char* prefix) { return StartsWith(s, std::string(prefix)); }
bool Contains(const std::string& s, const std::string& part) { return s.find(part) != std::string::npos; }
bool Contains(const std::string& s, const char* part) { return Contains(s, std::string(part)); }

bool ContainsOnlyWS(const std::string& s) { return s.find_first_not_of(kWS) == std::string::npos; }

bool ContainsOnlyDigits(const std::string& s, int from, int to) {
    if (from < 0) return true;  // a scan from -1 finds no non-digit
    size_t p = s.find_first_not_of(kDigits, static_cast<size_t>(from));
    return p == std::string::npos || static_cast<long long>(p) > to;
}

bool IsBase(char c) {
    switch (c) {
    case 'A': case 'C': case 'G': case 'N': case 'T': case 'X':
    case 'a': case 'c': case 'g': case 'n': case 't': case 'x':
        return true;
    default:
        return false;
    }
}

// ---- editing ----

void StripLeadingSpaces(std::string& s) {
    size_t b = s.find_first_not_of(kWS);
    if (b == std::string::npos) s.clear();
    else s.erase(0, b);
}

void StripTrailingSpace(std::string& s) {
    size_t e = s.find_last_not_of(kWS);
    if (e == std::string::npos) s.clear();
    else s.erase(e + 1);
}

void StripWhiteSpace(std::string& s) {
    size_t w = 0;
    for (char c : s)
        if (!IsWS(c)) s[w++] = c;
    s.resize(w);
}

void ToLowerCase(std::string& s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
}

void ToUpperCase(std::string& s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
}

// ---- numbers ----

int FindNextInteger(const std::string& s, int start, int& begin, int& end) {
    begin = end = -1;
    if (!ValidStart(s, start)) return -1;
    size_t b = s.find_first_of(kDigits, static_cast<size_t>(start));
    if (b == std::string::npos) return -1;
    size_t e = s.find_first_not_of(kDigits, b);
    begin = static_cast<int>(b);
    end = e == std::string::npos ? static_cast<int>(s.size()) - 1 : static_cast<int>(e) - 1;
    return 0;
}

int FindNextDouble(const std::string& s, int start, int& begin, int& end) {
    if (FindNextInteger(s, start, begin, end) < 0) return -1;
    const size_t n = s.size();
    size_t e = static_cast<size_t>(end);
    // Fraction: a point directly followed by a digit run.
    if (e + 2 < n && s[e + 1] == '.' && IsDigit(s[e + 2])) {
        int b2, e2;
        FindNextInteger(s, static_cast<int>(e + 2), b2, e2);
        e = static_cast<size_t>(e2);
    }
    // Exponent: the next digit run anywhere from two characters after the 'e'
    // on, so a sign may stand between.
    if (e + 1 < n && (s[e + 1] == 'e' || s[e + 1] == 'E') && e + 2 <= n) {
        int b2, e2;
        if (FindNextInteger(s, static_cast<int>(e + 2), b2, e2) == 0) e = static_cast<size_t>(e2);
    }
    end = static_cast<int>(e);
    return 0;
}

int GetNextInteger(const std::string& s, int start, int& next) {
    int begin, end;
    if (FindNextInteger(s, start, begin, end) < 0) {
        next = -1;
        return 0;
    }
    next = end + 1;
    bool neg = begin > 0 && s[begin - 1] == '-';
    return SaturateInt(DigitsValue(s.data() + begin, s.data() + end + 1, neg));
}

long GetNextLong(const std::string& s, int start, int& next) {
    return static_cast<long>(GetNextInteger(s, start, next));
}

double GetNextDouble(const std::string& s, int start, int& next) {
    int begin, end;
    if (FindNextDouble(s, start, begin, end) < 0) {
        next = -1;
        return 0.0;
    }
    next = end + 1;
    if (begin > 0 && s[begin - 1] == '-') --begin;
    std::string text = s.substr(begin, end - begin + 1);
    return ParseDoublePrefix(text.c_str());
}

int NextInt(const std::string& s, int& pos) { return GetNextInteger(s, pos, pos); }
long NextLong(const std::string& s, int& pos) { return GetNextLong(s, pos, pos); }
double NextDouble(const std::string& s, int& pos) { return GetNextDouble(s, pos, pos); }
float NextFloat(const std::string& s, int& pos) {
    double v = NextDouble(s, pos);
    // Beyond float's range the value becomes an infinity rather than an undefined conversion.
    // (0x1.ffffffp127 is half-way between FLT_MAX and 2^128: from there on rounding overflows.)
    if (v >= 0x1.ffffffp127) return HUGE_VALF;
    if (v <= -0x1.ffffffp127) return -HUGE_VALF;
    return static_cast<float>(v);
}

int GetAllIntegers(const std::string& s, std::vector<int>& values) {
    int p = 0;
    do {
        int v = GetNextInteger(s, p, p);
        if (p != -1) values.push_back(v);
    } while (p > 0);
    return static_cast<int>(values.size());
}

int GetAllDoubles(const std::string& s, std::vector<double>& values) {
    int p = 0;
    do {
        double v = GetNextDouble(s, p, p);
        if (p != -1) values.push_back(v);
    } while (p > 0);
    return static_cast<int>(values.size());
}

void GetIntsFromLine(std::string line, std::vector<int>& values) {
    const char* p = line.data();
    const char* end = p + line.size();
    while (p < end) {
        while (p < end && IsWS(*p)) ++p;
        if (p == end) break;
        const char* e = p;
        while (e < end && !IsWS(*e)) ++e;
        values.push_back(ParseLeadingInt(p, e));
        p = e;
    }
}

void GetIntsFromLine(char* line, std::vector<int>& values) {
    const size_t len = std::strlen(line);
    size_t i = 0;
    for (;;) {
        while (i < len && IsWS(line[i])) ++i;
        if (i >= len) break;
        size_t j = i;
        while (j < len && !IsWS(line[j])) ++j;
        line[j] = '\0';  // at len this is the terminator already there
        values.push_back(ParseLeadingInt(line + i, line + j));
        i = j + 1;
        if (i > len) break;
    }
}

// ---- diagnostics ----

void ShowHidden(const std::string& s, std::ostream& out) {
    for (size_t i = 0; i < s.size(); ++i) {
        out << static_cast<int>(i) << ":";
        switch (s[i]) {
        case ' ': out << "SPACE"; break;
        case '\t': out << "TAB"; break;
        case '\n': out << "NEWLINE"; break;
        default: out << s[i]; break;
        }
        out << std::endl;
    }
}
