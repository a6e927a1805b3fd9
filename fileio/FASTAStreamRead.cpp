// The streaming FASTA reader: GetNextRead, one record per call, in the caller's buffer.
#include <cstring>
#include <iostream>
#include <limits>

#include "fileio/FASTAFile.h"
#include "fileio/FileSupport.h"

namespace {

// One line read into buf (at most size - 1 characters) as the stream's line read does.
struct LinePiece {
    size_t len = 0;         // text length (up to the first NUL)
    bool hasNul = false;    // a NUL stands inside the characters read
    bool overLong = false;  // the line goes on beyond the buffer
    bool broken = false;    // the stream failed without giving a character
};

LinePiece ReadPiece(std::istream& in, char* buf, int size)
{
    LinePiece p;
    in.getline(buf, size);
    const std::streamsize got = in.gcount();
    p.len = std::strlen(buf);
    p.hasNul = p.len != 0 && static_cast<std::streamsize>(p.len) < got - 1;
    if (in.fail() && !in.eof() && !in.bad()) {
        if (got == size - 1)
            p.overLong = true;   // size - 1 characters stored and no newline yet
        else
            p.broken = true;
    } else if (in.bad()) {
        p.broken = true;
    }
    return p;
}

// Skips the rest of a line that did not fit the buffer and says so.
void SkipRestOfHeader(std::istream& in, int size)
{
    in.clear();
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    std::cout << "FASTA header line longer than " << (size - 1)
              << " characters, the rest of it was skipped" << std::endl;
}

}  // namespace

bool FASTAFile::GetNextRead(std::istream& in, char* buf, int size, Sequence& s)
{
    s.mBases.clear();
    if (buf == nullptr || size < 2) return false;   // no room for a single character

    if (buf[0] == '1') {
        const LinePiece p = ReadPiece(in, buf, size);
        if (p.overLong) SkipRestOfHeader(in, size);
    }
    // The first character (normally '>') is skipped whatever it is. The
    // header is never read beyond the buffer, terminated or not.
    SplitHeader(std::string(buf, strnlen(buf, static_cast<size_t>(size))), 1, s.mName, s.mDescription);

    for (;;) {
        LinePiece p = ReadPiece(in, buf, size);
        if (p.hasNul) return false;
        if (p.broken) return false;
        if (buf[0] == '>') {
            if (p.overLong) SkipRestOfHeader(in, size);
            return true;   // stays in buf as the next record's header
        }
        // A sequence line, read whole in pieces when it is longer than the buffer.
        std::vector<char>& bases = s.mBases;
        const size_t lineStart = bases.size();
        bases.insert(bases.end(), buf, buf + p.len);
        while (p.overLong) {
            in.clear();
            p = ReadPiece(in, buf, size);
            if (p.hasNul || p.broken) return false;
            bases.insert(bases.end(), buf, buf + p.len);
        }
        // Trailing blanks and tabs (and newlines) of the line are not residues.
        while (bases.size() > lineStart) {
            const char c = bases.back();
            if (c != ' ' && c != '\t' && c != '\n') break;
            bases.pop_back();
        }
        if (in.eof()) return true;
    }
}
