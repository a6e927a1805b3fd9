// A direct model of the streaming FASTA readers (FASTAFile::GetNextRead and
// Sequence3Bit::GetNextRead) called while the stream is good, for text
// without NUL bytes.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "text/StringUtil.h"

struct StreamRecord {
    std::string mName, mDescription, mBases;
};

// The first line is the first header whatever it holds; a header keeps
// bufSize - 1 characters and its first character is skipped; sequence lines
// are taken whole, less their trailing blanks and tabs. The stream is at its
// end once its last line (or the empty read after a final '\n') is read, so
// a header that is the very last line starts no record.
inline std::vector<StreamRecord> ModelStream(const std::string& text, int bufSize) {
    std::vector<std::string> lines;
    for (size_t b = 0;;) {
        const size_t e = text.find('\n', b);
        lines.push_back(text.substr(b, e == std::string::npos ? std::string::npos : e - b));
        if (e == std::string::npos) break;
        b = e + 1;
    }
    std::vector<StreamRecord> out;
    std::string header = lines[0];
    size_t i = 1;
    while (true) {
        StreamRecord r;
        header.resize(std::min<size_t>(header.size(), bufSize - 1));
        int next = -1;
        r.mName = GetNextWSDelimitedString(header, 1, next);
        if (next >= 0 && next < static_cast<int>(header.size())) r.mDescription = header.substr(next);
        bool more = false;
        while (i < lines.size()) {
            const std::string& l = lines[i++];
            if (!l.empty() && l[0] == '>') {
                header = l;
                more = i < lines.size();
                break;
            }
            size_t n = l.size();
            while (n > 0 && (l[n - 1] == ' ' || l[n - 1] == '\t')) --n;
            r.mBases.append(l, 0, n);
        }
        out.push_back(r);
        if (!more) return out;
    }
}
