// Real multi-record genomes: read, compared with an independent plain parse of
// the file, written, and read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "fileio/FASTAFile.h"
#include "TestFiles.h"

namespace {

// The simplest possible parse of a well-formed FASTA file: name up to the
// first blank or tab, description after it, sequence lines concatenated.
std::vector<Rec> PlainParse(const std::string& path)
{
    std::ifstream in(path);
    std::vector<Rec> recs;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '>') {
            const size_t ws = line.find_first_of(" \t");
            if (ws == std::string::npos)
                recs.push_back({line.substr(1), "", ""});
            else
                recs.push_back({line.substr(1, ws - 1), line.substr(ws + 1), ""});
        } else if (!recs.empty()) {
            recs.back().bases += line;
        }
    }
    return recs;
}

void ExpectSame(const SequenceVector& v, const std::vector<Rec>& recs)
{
    ASSERT_EQ(v.mSeqs.size(), recs.size());
    for (size_t i = 0; i < recs.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(v.mSeqs[i].mName, recs[i].name);
        EXPECT_EQ(v.mSeqs[i].mDescription, recs[i].description);
        ASSERT_EQ(v.mSeqs[i].mBases.size(), recs[i].bases.size());
        EXPECT_TRUE(Bases(v.mSeqs[i]) == recs[i].bases) << "bases differ";
    }
}

struct GenomeCase {
    const char* file;
    size_t records;
};

TEST(FASTARoundTrip, RealGenomes)
{
    const std::vector<GenomeCase> cases = {
        {"B_anthracis_contigs.fa", 33},
        {"Klebs_HS11286.fa", 7},
        {"q-inv.fa", 2},   // holds a 5699-character line
    };
    TempDir dir;
    for (const GenomeCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = Genome(c.file);
        if (path.empty()) {
            std::cout << c.file << " not fetched, skipped" << std::endl;
            continue;
        }
        const std::vector<Rec> plain = PlainParse(path);
        ASSERT_EQ(plain.size(), c.records);

        FASTAFile f;
        SequenceVector v;
        ASSERT_TRUE(f.Read(path, v));
        ExpectSame(v, plain);

        const std::string copy = dir.Path("copy.fa");
        testing::internal::CaptureStdout();
        f.Write(copy, v);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        SequenceVector back;
        ASSERT_TRUE(f.Read(copy, back));
        ExpectSame(back, plain);

        // The written file is in the writer's layout: 50 residues per line.
        std::ifstream written(copy);
        std::string line;
        size_t longest = 0;
        while (std::getline(written, line))
            if (line.empty() || line[0] != '>') longest = std::max(longest, line.size());
        EXPECT_EQ(longest, 50u);

        // The filtering reader sees the same bases (these files hold only A C G T N).
        SequenceVector filtered;
        ASSERT_TRUE(f.Read0(copy, filtered));
        ASSERT_EQ(filtered.mSeqs.size(), plain.size());
        for (size_t i = 0; i < plain.size(); ++i) {
            EXPECT_EQ(filtered.mSeqs[i].mDescription,
                      plain[i].description.empty() ? plain[i].name + " " : plain[i].name + " " + plain[i].description);
            EXPECT_TRUE(Bases(filtered.mSeqs[i]) == plain[i].bases);
        }
    }
}

}  // namespace
