#include "sequence/SequenceVector.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

Sequence Seq(const std::string& bases, const std::string& name = "", const std::string& desc = "") {
    Sequence s;
    s.mBases.assign(bases.begin(), bases.end());
    s.mName = name;
    s.mDescription = desc;
    return s;
}

std::string Bases(const Sequence& s) { return std::string(s.mBases.begin(), s.mBases.end()); }

SequenceVector WithLengths(const std::vector<int>& lengths) {
    SequenceVector v;
    for (int n : lengths) v.AddSequence(Seq(std::string(static_cast<size_t>(n), 'A')));
    return v;
}

TEST(SequenceVectorTest, GrowAndAdd) {
    SequenceVector v;
    v.GrowVec();
    ASSERT_EQ(v.mSeqs.size(), 1u);
    EXPECT_TRUE(v.mSeqs[0].mBases.empty());
    EXPECT_EQ(v.mSeqs[0].mName, "");
    EXPECT_EQ(v.mSeqs[0].mDescription, "Empty");

    Sequence s = Seq("ACGT", "r", "d");
    s.ComputeDepadded2Padded();
    v.AddSequence(s);
    ASSERT_EQ(v.mSeqs.size(), 2u);
    EXPECT_EQ(Bases(v.mSeqs[1]), "ACGT");
    EXPECT_EQ(v.mSeqs[1].mName, "r");
    EXPECT_EQ(v.mSeqs[1].mDescription, "d");
    EXPECT_TRUE(v.mSeqs[1].mPadded2Depadded.empty());  // caches are not copied
    EXPECT_TRUE(v.mSeqs[1].mDepadded2Padded.empty());

    v.AddSequence(v.mSeqs[1]);  // an element of the collection itself
    EXPECT_EQ(Bases(v.mSeqs[2]), "ACGT");
    EXPECT_EQ(v.mSeqs[2].mName, "r");

    SequenceVector copy = v;
    copy.mSeqs[1].mBases[0] = 'T';
    EXPECT_EQ(Bases(v.mSeqs[1]), "ACGT");
}

TEST(SequenceVectorTest, AddSubSequence) {
    struct { long from, to; std::string bases, desc; } cases[] = {
        {2, 4, "GTA", "d[2,4]"},
        {-5, 100, "ACGTACGT", "d[-5,100]"},
        {5, 2, "", "d[5,2]"},
        {0, -1, "", "d[0,-1]"},
    };
    Sequence s = Seq("ACGTACGT", "r", "d");
    for (auto& c : cases) {
        SequenceVector v;
        v.AddSubSequence(s, c.from, c.to);
        ASSERT_EQ(v.mSeqs.size(), 1u);
        EXPECT_EQ(Bases(v.mSeqs[0]), c.bases);
        EXPECT_EQ(v.mSeqs[0].mName, "r");
        EXPECT_EQ(v.mSeqs[0].mDescription, c.desc);
    }
}

TEST(SequenceVectorTest, SizesAndN50) {
    struct { std::vector<int> lengths; int total, max, n50; } cases[] = {
        {{5, 3, 2}, 10, 5, 5},
        {{4, 4, 2}, 10, 4, 4},
        {{3, 3, 3}, 9, 3, 3},
        {{1, 1, 1, 1, 6}, 10, 6, 6},
        {{2, 9, 1, 3}, 15, 9, 9},
        {{6, 5, 4, 3, 2, 1}, 21, 6, 5},
        {{0}, 0, 0, 0},
        {{}, 0, 0, 0},
    };
    for (auto& c : cases) {
        SequenceVector v = WithLengths(c.lengths);
        EXPECT_EQ(v.TotalBases(), c.total);
        EXPECT_EQ(v.MaxSize(), c.max);
        EXPECT_EQ(v.N50(), c.n50) << c.total;
    }
    SequenceVector v = WithLengths({3, 9});
    std::vector<int> sizes = {7};
    v.GetSortedSizes(sizes);
    EXPECT_EQ(sizes, (std::vector<int>{9, 7, 3}));
    EXPECT_TRUE(lt_myint(2, 1));
    EXPECT_FALSE(lt_myint(1, 1));
}

TEST(SequenceVectorTest, SizeStats) {
    float mean = 0, spread = 0;
    WithLengths({2, 4, 6}).SizeStats(mean, spread);
    EXPECT_FLOAT_EQ(mean, 4.0f);
    EXPECT_FLOAT_EQ(spread, 4.0f);
    WithLengths({1, 2}).SizeStats(mean, spread);
    EXPECT_FLOAT_EQ(mean, 1.5f);
    EXPECT_FLOAT_EQ(spread, 0.5f);
    WithLengths({7}).SizeStats(mean, spread);
    EXPECT_FLOAT_EQ(mean, 7.0f);
    EXPECT_TRUE(std::isnan(spread));
    WithLengths({}).SizeStats(mean, spread);
    EXPECT_TRUE(std::isnan(mean));
    EXPECT_EQ(spread, 0.0f);
}

TEST(SequenceVectorTest, FindEndOf) {
    SequenceVector v;
    for (const char* b : {"AAAA", "TTTACG", "CGT"}) v.AddSequence(Seq(b));
    int index = -9;
    long pos = -9;
    bool rev = true;
    v.FindEndOf(Seq("ACG"), index, pos, rev);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(pos, 5);
    EXPECT_FALSE(rev);
    v.FindEndOf(Seq("GGG"), index, pos, rev);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(Bases(v.mSeqs[0]), "aaaa");
    EXPECT_EQ(Bases(v.mSeqs[1]), "tttacg");
    EXPECT_EQ(Bases(v.mSeqs[2]), "cgt");
    v.FindEndOf(Seq("TTT"), index, pos, rev);  // AAAA holds TTT reverse-complemented
    EXPECT_EQ(index, 0);
    EXPECT_EQ(pos, 2);
    EXPECT_TRUE(rev);

    SequenceVector empty;
    index = 5;
    pos = 5;
    empty.FindEndOf(Seq("A"), index, pos, rev);
    EXPECT_EQ(pos, -1);
    EXPECT_EQ(index, -1);
}

TEST(SequenceVectorTest, PrintToStandardOutput) {
    SequenceVector v;
    v.AddSequence(Seq("AC", "r1", "x"));
    v.AddSequence(Seq("G", "r2", ""));
    testing::internal::CaptureStdout();
    v.Print(std::cout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "r1 x\nr1 x\nAC\nr2 \nr2 \nG\n");
    testing::internal::CaptureStdout();
    SequenceVector().Print(std::cout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

// A minimal FASTA reader, independent of the library's own, for statistics on a real genome.
bool ReadFasta(const std::string& path, SequenceVector& v) {
    std::ifstream in(path);
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '>') {
            v.GrowVec();
            size_t sp = line.find_first_of(" \t");
            v.mSeqs.back().mName = line.substr(1, sp == std::string::npos ? std::string::npos : sp - 1);
            v.mSeqs.back().mDescription = sp == std::string::npos ? "" : line.substr(sp + 1);
        } else if (!v.mSeqs.empty()) {
            v.mSeqs.back().ConcatenateNonWhiteSpace(line);
        }
    }
    return true;
}

TEST(SequenceVectorTest, StatisticsOfARealMultiRecordGenome) {
    SequenceVector v;
    if (!ReadFasta(std::string(TOVRIN_DATA_DIR) + "/B_anthracis_contigs.fa", v))
        GTEST_SKIP() << "B_anthracis_contigs.fa absent";
    ASSERT_EQ(v.mSeqs.size(), 33u);
    EXPECT_EQ(v.mSeqs[0].mName, "137795");
    EXPECT_EQ(v.TotalBases(), 308837);
    EXPECT_EQ(v.MaxSize(), 43159);
    EXPECT_EQ(v.N50(), 25608);
    std::vector<int> sizes;
    v.GetSortedSizes(sizes);
    ASSERT_EQ(sizes.size(), 33u);
    EXPECT_EQ((std::vector<int>(sizes.begin(), sizes.begin() + 5)),
              (std::vector<int>{43159, 35186, 32872, 31149, 25608}));
    EXPECT_EQ(sizes.back(), 693);
    float mean = 0, spread = 0;
    v.SizeStats(mean, spread);
    EXPECT_NEAR(mean, 9358.697f, 0.001f);
    EXPECT_NEAR(spread, 139475585.5f, 20.0f);
}

}  // namespace
