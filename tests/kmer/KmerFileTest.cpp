// The k-mer readers on a real file, opened the way the engine opens its source.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "KmerTestUtil.h"
#include "kmer/Mer2IntMap.h"
#include "kmer/MerHashMap.h"
#include "kmer/MerSet.h"

namespace {

const std::string kSource = std::string(TOVRIN_FIXTURE_DIR) + "/kmer-source.fa";

TEST(KmerFile, SourceLoadReadsTheFirstTwoRecords) {
    MerSizeScope k(8);
    for (bool thinned : {false, true}) {
        std::ifstream in(kSource);
        ASSERT_TRUE(in.is_open());
        SourceMerIndex index;
        CoutCapture cap;
        if (thinned)
            index.AddToHashMapThinned(in, 0, 1, 1, 0);  // modulus 1: every k-mer passes
        else
            index.AddToHashMapSampled(in, 0, 1, 1);
        EXPECT_EQ(cap.Text(),
                  "\nConsuming white space: 20 sEnd=9\nBuffer=acgtacgt  \n"
                  "\nConsuming white space: 20 sEnd=8\nBuffer=acgtacgt \n");
        EXPECT_EQ(index.mReadNames, (std::vector<std::string>{"chr1", "chr2"}));
        EXPECT_EQ(index.mReadSizes, (std::vector<int>{33, 16}));
        ASSERT_EQ(index.mReads.mSeqs.size(), 2u);
        EXPECT_EQ(index.mReads.mSeqs[0].mDescription, "first record");
        EXPECT_EQ(Letters(index.mReads.mSeqs[0]), "ACGTTGCAAGGCTTANNACGACGTACGTTTGCA");
        // chr1: starts 0..7 and 17..24 (the N's at 15 and 16 cut the rest); chr2: 0..7.
        EXPECT_EQ(index.mMap.NumLocations(), 24u);
        MerSearchResultVec<SingleSourceMerLocation> hits;
        index.FindMerLocations(Plain("ACGTACGT"), 0, hits);  // lower case in the file packs the same
        ASSERT_EQ(hits.size(), 1u);
        EXPECT_EQ(hits[0].mLocation.mPos, 20u);
        hits.clear();
        index.FindRevMerLocations(Plain("AAAATTTTGGGG"), 4, hits);  // TTTTGGGG reversed: CCCCAAAA at chr2:4
        ASSERT_EQ(hits.size(), 1u);
        EXPECT_EQ(hits[0].mLocation.Word(), 4u | 0x80000000u);
    }
}

TEST(KmerFile, SetsAndCountsReadEveryRecord) {
    MerSizeScope k(8);
    std::ifstream in(kSource);
    Mer2IntMap counts;
    counts.Add(in);
    // Low-quality trimming keeps ACGTTGCAAG GCTTANNACG TTGCA, GGGGCCCCAAAATTTT and ACGTACGTACGT:
    // 9 + 9 + 5 valid k-mers.
    EXPECT_EQ(counts.mTotalMers, 23);
    EXPECT_EQ(counts.mCounts.at(Mer(std::string("CGTTGCAA"))), 1);

    std::ifstream in2(kSource);
    MerSet set;
    set.Add(in2);
    EXPECT_TRUE(set.ContainsFWDREV(Mer(std::string("ACGTACGT"))));
    EXPECT_TRUE(set.ContainsFWDREV(Mer(std::string("AAAATTTT"))));
    EXPECT_FALSE(set.ContainsFWDREV(Mer(std::string("TTANNACG"))));
}

}  // namespace
