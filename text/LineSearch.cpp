#include "text/LineSearch.h"

#include <cstring>
#include <istream>

#include "text/Globals.h"
#include "text/StringUtil.h"

namespace {
bool gTruncated = false;  // the last GetLine stopped at an over-long line
}

bool GetLine(std::istream& in, std::string& line) {
    readbuf[0] = '\0';
    gTruncated = false;
    // Stores at most kReadBufSize - 1 characters and a zero; a longer line
    // sets failbit with exactly that many characters taken and no newline.
    in.getline(readbuf, kReadBufSize);
    std::streamsize got = in.gcount();
    if (in.fail() && !in.bad() && got == kReadBufSize - 1) gTruncated = true;
    // Characters taken (less the newline) bound the copy, so a NUL inside the line
    // cannot make it read past them; readbuf is always terminated within its size.
    line.assign(readbuf, std::strlen(readbuf));
    return !in.fail();
}

bool GetLineTruncated() { return gTruncated; }

namespace {

// Shared loop of the searches: a line that was actually read is tested first
// (so a matching last line without a newline is found); the search ends at end
// of input, or when the stream fails (an over-long line, a read error), so it
// always terminates. A read that delivered nothing at all is not a line.
template <class Test>
bool SearchLines(std::istream& in, std::string& line, Test test) {
    for (;;) {
        bool ok = GetLine(in, line);
        bool delivered = ok || !line.empty() || in.gcount() > 0;
        if (delivered && test(line)) return true;
        if (!ok || in.eof()) return false;
    }
}

}  // namespace

bool GetNextLineContaining(std::istream& in, const std::string& text, std::string& line) {
    return SearchLines(in, line, [&](const std::string& l) { return l.find(text) != std::string::npos; });
}

bool GetNextLineContaining(std::istream& in, const char* text, std::string& line) {
    return GetNextLineContaining(in, std::string(text), line);
}

bool GetNextLineContaining(std::istream& in, const char* first, const char* second,
                           std::string& line) {
    std::string a(first), b(second);
    return SearchLines(in, line, [&](const std::string& l) {
        return l.find(a) != std::string::npos || l.find(b) != std::string::npos;
    });
}

bool GetNextLineContaining(std::istream& in, const std::vector<std::string>& keys,
                           std::string& line, int& which) {
    return SearchLines(in, line, [&](const std::string& l) {
        int begin, end;
        which = FindNextOf(keys, l, 0, begin, end);
        return begin >= 0;
    });
}

void GetRemainderAfter(const char* key, const std::string& line, std::string& rest) {
    rest.clear();
    size_t klen = std::strlen(key);
    if (klen == 0) return;
    size_t p = line.find(key, 0, klen);
    if (p == std::string::npos) return;
    rest = line.substr(p + klen);
}
