// Temporary directories, whole-file text helpers and record expectations
// shared by the file reader and writer tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "sequence/Sequence.h"
#include "sequence/SequenceVector.h"

// A fresh directory under the system temp dir, removed with its content.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tovrin-fileio-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) mDir = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        if (!mDir.empty()) std::filesystem::remove_all(mDir, ec);
    }
    std::string Path(const std::string& name) const { return mDir + "/" + name; }

    std::string mDir;
};

inline void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
}

inline std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

// Path of a fetched genome, or "" when it is not there.
inline std::string Genome(const std::string& name)
{
    std::string path = std::string(TOVRIN_DATA_DIR) + "/" + name;
    return std::filesystem::exists(path) ? path : std::string();
}

// Expected content of one record.
struct Rec {
    std::string name;
    std::string description;
    std::string bases;
};

inline std::string Bases(const Sequence& s)
{
    return std::string(s.mBases.begin(), s.mBases.end());
}

inline void ExpectRecords(const SequenceVector& v, const std::vector<Rec>& expected)
{
    ASSERT_EQ(v.mSeqs.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(v.mSeqs[i].mName, expected[i].name);
        EXPECT_EQ(v.mSeqs[i].mDescription, expected[i].description);
        EXPECT_EQ(Bases(v.mSeqs[i]), expected[i].bases);
    }
}

// Deterministic pseudo-random bases.
inline std::string RandomBases(size_t n, unsigned seed)
{
    std::string s(n, 'A');
    unsigned x = seed * 2654435761u + 1;
    for (size_t i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        s[i] = "ACGT"[(x >> 16) & 3];
    }
    return s;
}
