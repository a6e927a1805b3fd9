// A direct model of the quality-file readers: records as in FastaModel.h, the
// values of a value line being GetIntsFromLine of its text (up to any NUL).
#pragma once

#include <string>
#include <vector>

#include "fuzz/FastaModel.h"
#include "fuzz/FuzzSupport.h"
#include "sequence/SequenceQualityVector.h"
#include "text/StringUtil.h"

struct ModelQual {
    std::string mName, mDescription;
    std::vector<int> mValues;
};

// splitName: name and description as the standard reader splits them;
// otherwise the plain reader's whole header as the description.
inline std::vector<ModelQual> ModelReadQual(const std::string& text, bool splitName) {
    std::vector<ModelQual> v;
    for (const std::string& line : ModelLines(text)) {
        if (!line.empty() && line[0] == '>') {
            ModelQual r;
            const std::string header = line.substr(1);
            if (splitName) {
                int next = -1;
                r.mName = GetNextWSDelimitedString(header, 0, next);
                if (next >= 0 && next < static_cast<int>(header.size())) r.mDescription = header.substr(next);
            } else {
                r.mDescription = header;
            }
            v.push_back(r);
        } else if (!v.empty()) {
            GetIntsFromLine(line, v.back().mValues);
        }
    }
    return v;
}

inline void ExpectQuals(const std::vector<ModelQual>& model, const SequenceQualityVector& v) {
    FUZZ_CHECK(v.mRecords.size() == model.size());
    for (size_t i = 0; i < model.size(); ++i) {
        FUZZ_CHECK(v.mRecords[i].mName == model[i].mName);
        FUZZ_CHECK(v.mRecords[i].mDescription == model[i].mDescription);
        FUZZ_CHECK(v.mRecords[i].mQuals == model[i].mValues);
    }
}
