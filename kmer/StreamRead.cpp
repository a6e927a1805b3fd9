#include "kmer/StreamRead.h"

#include <cstring>
#include <iostream>
#include <limits>
#include <string>

#include "text/StringUtil.h"

bool ReadLinePiece(std::istream& in, char* buf, int bufSize, long& got) {
    if (bufSize < 2) {
        // No room for a character: nothing can be read through this buffer.
        if (bufSize == 1) buf[0] = 0;
        in.setstate(std::ios::failbit);
        got = 0;
        return false;
    }
    in.getline(buf, bufSize);
    got = long(in.gcount());
    if (in.fail() && !in.bad() && !in.eof() && got == bufSize - 1) {
        // The buffer filled before the line ended: the rest is still in the stream.
        in.clear();
        return true;
    }
    return false;
}

void SkipRestOfLine(std::istream& in) { in.ignore(std::numeric_limits<std::streamsize>::max(), '\n'); }

bool StreamDone(const std::istream& in) { return in.eof() || in.fail(); }

namespace {

inline bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }
inline bool IsLowQual(char c) { return (uint8_t(c) & 0x20) != 0; }

// Characters stored by the line read that delivered got (the '\n' not counted).
inline long Stored(const std::istream& in, long got, bool partial) {
    if (partial) return got;
    if (got > 0 && !in.eof()) return got - 1;
    return got;
}

void ParseHeader(Sequence3Bit& r, const char* buf) {
    const std::string header(buf);
    int next = -1;
    r.mName = GetNextWSDelimitedString(header, 1, next);
    if (next >= 0 && next < int(header.size()))
        r.mDescription = header.substr(size_t(next));
    else
        r.mDescription.clear();
}

// Reads a header line into buf; a header longer than the buffer keeps its start.
void ReadHeaderLine(std::istream& in, char* buf, int bufSize) {
    long got;
    if (ReadLinePiece(in, buf, bufSize, got)) SkipRestOfLine(in);
}

// Trailing white space of the line piece in buf (lineStart = index of buf[0] in
// the line): removes blanks and tabs, and a newline not at index 0, from the end.
// Returns the length left. The debug report per removed character is the reader's.
template <class Report>
size_t TrimTrailing(char* buf, long lineStart, Report report) {
    const size_t len = std::strlen(buf);
    if (len == 0) return 0;
    long e = long(len) - 1;
    while (e >= 0 && (IsBlankOrTab(buf[e]) || (buf[e] == '\n' && lineStart + e > 0))) {
        report(buf[e], lineStart + e, len);
        buf[e] = 0;
        --e;
    }
    return size_t(e + 1);
}

void ReportPlain(const char* buf, char c, long e) {
    std::cout << "\nConsuming white space: " << std::hex << int(uint8_t(c)) << " sEnd=" << e << std::dec
              << std::endl;
    std::cout << "Buffer=" << buf << std::endl;
}

void ReportTrim(const char* buf, char c, long e, size_t lenBefore) {
    std::cout << "bsize=" << lenBefore << std::endl;
    std::cout << "Buffer=" << buf << std::endl;
    std::cout << "Consuming white space: " << std::hex << int(uint8_t(c)) << " sEnd=" << e << std::dec
              << std::endl;
}

// Appends a piece of a line longer than the buffer (len characters of buf),
// holding back its last characters for which isTail is true until the rest of
// the line shows whether they are trailing white space.
template <class IsTail>
void AppendHoldingTail(Sequence3Bit& r, std::string& held, const char* buf, size_t len, IsTail isTail) {
    size_t t = len;
    while (t > 0 && isTail(buf[t - 1])) --t;
    if (t > 0) {
        r.AppendChars(held.data(), held.size());
        held.clear();
        r.AppendChars(buf, t);
    }
    held.append(buf + t, len - t);
}

// Appends the sequence line whose first piece is in buf (GetNextRead). A line
// longer than the buffer is continued piece by piece; blanks and tabs at the end
// of a piece are held back until the line shows whether they are trailing.
// Returns false at an embedded NUL, keeping what was appended.
bool AppendPlainLine(Sequence3Bit& r, std::istream& in, char* buf, int bufSize, bool partial, long got) {
    std::string held;
    long lineStart = 0;
    for (;;) {
        const size_t len = std::strlen(buf);
        if (len > 0 && long(len) < Stored(in, got, partial)) return false;
        if (!partial) {
            const size_t left = TrimTrailing(buf, lineStart, [&](char c, long e, size_t) { ReportPlain(buf, c, e); });
            if (left > 0) {
                r.AppendChars(held.data(), held.size());
                r.AppendChars(buf, left);
            } else {
                for (size_t j = held.size(); j-- > 0;) ReportPlain(buf, held[j], lineStart - long(held.size()) + long(j));
            }
            return true;
        }
        AppendHoldingTail(r, held, buf, len, IsBlankOrTab);
        lineStart += long(len);
        partial = ReadLinePiece(in, buf, bufSize, got);
    }
}

// True when the rest of the current line holds only blanks and tabs; consumes it.
bool RestIsBlank(std::istream& in, const char* piece, char* buf, int bufSize, bool partial) {
    bool blank = true;
    for (const char* p = piece; *p; ++p) blank = blank && IsBlankOrTab(*p);
    long got;
    while (partial) {
        partial = ReadLinePiece(in, buf, bufSize, got);
        for (const char* p = buf; *p; ++p) blank = blank && IsBlankOrTab(*p);
    }
    return blank;
}

// Appends the sequence line whose first piece is in buf (GetNextReadTrimLowQual):
// the line without trailing white space, up to its first low-quality character.
void AppendTrimmedLine(Sequence3Bit& r, std::istream& in, char* buf, int bufSize, bool partial) {
    std::string held;
    long lineStart = 0;
    for (;;) {
        if (!partial) {
            const size_t left =
                TrimTrailing(buf, lineStart, [&](char c, long e, size_t n) { ReportTrim(buf, c, e, n); });
            if (left > 0) {
                r.AppendChars(held.data(), held.size());
                r.ConcatenateCStringTrimLowQual(buf);
            }
            return;
        }
        const size_t len = std::strlen(buf);
        size_t q = 0;
        while (q < len && !IsLowQual(buf[q])) ++q;
        if (q < len) {
            // The appended part ends at q; tabs just before it are trailing only
            // when nothing but blanks and tabs follows on this line.
            size_t t = q;
            while (t > 0 && buf[t - 1] == '\t') --t;
            std::string keep(buf, t), tabs(buf + t, q - t);
            const bool blankTail = RestIsBlank(in, buf + q, buf, bufSize, partial);
            if (!blankTail || t > 0) r.AppendChars(held.data(), held.size());
            r.AppendChars(keep.data(), keep.size());
            if (!blankTail) r.AppendChars(tabs.data(), tabs.size());
            return;
        }
        AppendHoldingTail(r, held, buf, len, [](char c) { return c == '\t'; });
        lineStart += long(len);
        long got;
        partial = ReadLinePiece(in, buf, bufSize, got);
    }
}

}  // namespace

bool Sequence3Bit::GetNextRead(std::istream& in, char* buf, int bufSize) {
    ClearBases();
    if (bufSize < 2) {
        // No room for a character: end the stream so that callers' loops stop.
        if (bufSize == 1) buf[0] = 0;
        in.setstate(std::ios::failbit);
        return true;
    }
    if (buf[0] == '1') ReadHeaderLine(in, buf, bufSize);
    ParseHeader(*this, buf);
    for (;;) {
        long got;
        const bool partial = ReadLinePiece(in, buf, bufSize, got);
        if (buf[0] == '>') {
            if (partial) SkipRestOfLine(in);
            const size_t len = std::strlen(buf);
            if (len > 0 && long(len) < Stored(in, got, partial)) return false;
        } else {
            if (!AppendPlainLine(*this, in, buf, bufSize, partial, got)) return false;
            // After a line longer than the buffer, buf holds the line's last piece,
            // which is bases even when it starts with '>': it must not end the read.
            if (partial && buf[0] == '>') buf[0] = 0;
        }
        if (StreamDone(in) || buf[0] == '>') break;
    }
    // Keep only the words in use: a read may be held for the life of an index.
    if (mWords.capacity() > mWords.size() + mWords.size() / 8) mWords.shrink_to_fit();
    return true;
}

bool Sequence3Bit::GetNextReadTrimLowQual(std::istream& in, char* buf, int bufSize) {
    ClearBases();
    if (bufSize < 3) return false;  // the first line is read from buf[1] on: it needs room for a character
    if (buf[0] == '1')
        ReadHeaderLine(in, buf, bufSize);
    else if (buf[0] != '>')
        return false;
    ParseHeader(*this, buf);

    // Low-quality (lower-case) characters at the start of the record are lost;
    // the skip stops at a line end too, which then starts the first line.
    int ch;
    for (;;) {
        ch = in.get();
        if (ch == std::char_traits<char>::eof()) return true;
        if (ch == '>' || !IsLowQual(char(ch))) break;
    }
    buf[0] = char(ch);
    long got;
    bool partial = ReadLinePiece(in, buf + 1, bufSize - 1, got);
    if (ch == '>') {
        if (partial) SkipRestOfLine(in);
        return true;
    }
    for (;;) {
        if (buf[0] == '>') {
            if (partial) SkipRestOfLine(in);
            break;
        }
        AppendTrimmedLine(*this, in, buf, bufSize, partial);
        if (StreamDone(in)) break;
        partial = ReadLinePiece(in, buf, bufSize, got);
    }
    if (mWords.capacity() > mWords.size() + mWords.size() / 8) mWords.shrink_to_fit();
    return true;
}
