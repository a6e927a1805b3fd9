#include "text/NumberFormat.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "text/DecimalParse.h"

namespace {

constexpr int kFormatBufSize = 65536;

// True when format converts exactly one double: one %[flags][width][.prec][l|L]
// conversion among f F e E g G a A, and otherwise only "%%".
bool TakesOneDouble(const std::string& format) {
    int conversions = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') continue;
        if (++i >= format.size()) return false;
        if (format[i] == '%') continue;
        while (i < format.size() && std::string("-+ #0").find(format[i]) != std::string::npos) ++i;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
        if (i < format.size() && format[i] == '.') {
            ++i;
            while (i < format.size() && format[i] >= '0' && format[i] <= '9') ++i;
        }
        if (i < format.size() && format[i] == 'l') ++i;
        if (i >= format.size() || std::string("fFeEgGaA").find(format[i]) == std::string::npos)
            return false;
        ++conversions;
    }
    return conversions == 1;
}

}  // namespace

std::string itoa(int value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%d", value);
    return buf;
}

std::string itostring(int value) { return itoa(value); }

std::string ftoa(float value) {
    char buf[64];  // FLT_MAX in "%f" is 46 characters
    std::snprintf(buf, sizeof buf, "%f", static_cast<double>(value));
    return buf;
}

std::string ftostring(float value) { return ftoa(value); }

std::string ftoa(float value, std::string format) {
    if (!TakesOneDouble(format)) return std::string();
    std::vector<char> buf(kFormatBufSize);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::snprintf(buf.data(), buf.size(), format.c_str(), static_cast<double>(value));
#pragma GCC diagnostic pop
    return buf.data();
}

int atoi(const std::string& text) {
    return ParseLeadingInt(text.data(), text.data() + text.size());
}

void sprintf(int size, std::string& out, const char* format, ...) {
    out.clear();
    if (size <= 0) return;
    std::vector<char> buf(static_cast<size_t>(size));
    va_list args;
    va_start(args, format);
    std::vsnprintf(buf.data(), buf.size(), format, args);
    va_end(args);
    out = buf.data();
}
