// Lookups by k-mer value give the same hits as lookups by query position.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "KmerTestUtil.h"
#include "kmer/MerHashMap.h"

namespace {

using Hits = MerSearchResultVec<SingleSourceMerLocation>;

void ExpectSameHits(const Hits& got, const Hits& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].mLocation.Word(), want[i].mLocation.Word()) << i;
        EXPECT_EQ(got[i].mQueryPos, want[i].mQueryPos) << i;
        EXPECT_EQ(got[i].mCount, want[i].mCount) << i;
        EXPECT_EQ(got[i].mReserved, 0) << i;
    }
}

}  // namespace

TEST(MerHashMapValueLookup, SameHitsAsPositionLookups) {
    for (int k : {32, 31, 16, 9, 1}) {
        SCOPED_TRACE(k);
        MerSizeScope scope(k);
        std::mt19937 rng(static_cast<uint32_t>(k));
        std::string src;
        for (int i = 0; i < 900; ++i) src += "ACGT"[rng() % 4];
        src += src.substr(100, 200) + "NN" + src.substr(150, 100);
        SourceMerIndex index;
        std::istringstream in(">s\n" + src + "\n");
        index.AddToHashMapSampled(in, 0, 0, 1);

        // The query holds source stretches, their reverse complement, and
        // characters that Mer packs by code: N as G, lower case, others.
        std::string q = src.substr(50, 400);
        for (size_t i = 700; i-- > 300;) q += "TGAC"[std::string("ACTG").find(src[i])];
        for (size_t i = 5; i < q.size(); i += 53) q[i] = "NnxgR-"[(i / 53) % 6];
        const Sequence query = Plain(q);

        Hits byPos, byValue;
        size_t found = 0;
        for (int pos = 0; pos + k <= int(q.size()); ++pos) {
            byPos.clear();
            byValue.clear();
            const uint64_t f = Mer(query, pos).Value();
            index.PrefetchValue(f);
            index.FindMerLocations(query, pos, byPos);
            index.FindValueLocations(f, pos, 0, byValue);
            ExpectSameHits(byValue, byPos);
            found += byPos.size();

            byPos.clear();
            byValue.clear();
            index.FindRevMerLocations(query, pos, byPos);
            index.FindValueLocations(Mer::ReverseComplementValue(f), pos, 0x80000000u, byValue);
            ExpectSameHits(byValue, byPos);
            found += byPos.size();
        }
        EXPECT_GT(found, 300u);
    }
}

// An absent value appends nothing and leaves earlier hits alone.
TEST(MerHashMapValueLookup, AbsentValueAppendsNothing) {
    SourceMerIndex index;
    std::istringstream in(">s\nACGTACGTACGTACGTACGTACGTACGTACGTAAAA\n");
    index.AddToHashMapSampled(in, 0, 0, 1);
    Hits hits;
    index.FindValueLocations(Mer(std::string("ACGTACGTACGTACGTACGTACGTACGTACGT")).Value(), 7, 0, hits);
    ASSERT_EQ(hits.size(), 1u);
    index.FindValueLocations(0, 8, 0, hits);  // all A: not in the source
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].mQueryPos, 7);
    EXPECT_EQ(hits[0].mLocation.Word(), 0u);
}
