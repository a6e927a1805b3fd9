// A direct, slow model of how the standard and filtering FASTA readers cut a
// text into records, used by the fuzz targets as the expected result.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "text/StringUtil.h"

struct ModelRecord {
    std::string mName, mDescription, mBases;
};

// The text's lines ('\n'-separated, the last one may lack it), each cut at its first NUL.
inline std::vector<std::string> ModelLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t b = 0;
    while (b < text.size()) {
        size_t e = text.find('\n', b);
        if (e == std::string::npos) e = text.size();
        std::string line = text.substr(b, e - b);
        line.resize(std::min(line.size(), line.find('\0')));
        lines.push_back(line);
        b = e + 1;
    }
    return lines;
}

// Standard reader: name = first word of the header, description = the rest
// after its delimiter; each sequence line loses one trailing blank or tab.
// Lines before the first header belong to no record.
inline std::vector<ModelRecord> ModelRead(const std::string& text) {
    std::vector<ModelRecord> v;
    for (const std::string& line : ModelLines(text)) {
        if (!line.empty() && line[0] == '>') {
            ModelRecord r;
            const std::string header = line.substr(1);
            int next = -1;
            r.mName = GetNextWSDelimitedString(header, 0, next);
            if (next >= 0 && next < static_cast<int>(header.size())) r.mDescription = header.substr(next);
            v.push_back(r);
        } else if (!v.empty()) {
            std::string s = line;
            if (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
            v.back().mBases += s;
        }
    }
    return v;
}

// Filtering reader: the whole header text is the description, only base
// letters (IsBase) are kept, empty lines and lines before the first header are skipped.
inline std::vector<ModelRecord> ModelRead0(const std::string& text) {
    std::vector<ModelRecord> v;
    for (const std::string& line : ModelLines(text)) {
        if (line.empty()) continue;
        if (line[0] == '>') {
            v.push_back(ModelRecord{"", line.substr(1), ""});
        } else if (!v.empty()) {
            for (char c : line)
                if (IsBase(c)) v.back().mBases.push_back(c);
        }
    }
    return v;
}
