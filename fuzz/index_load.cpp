// Source index stream loads (sampled and thinned) with k, step, modulus and the
// record range from the front of the input, then forward and reverse lookups of
// the query made from the same text, positions at and past both ends included.
#include <algorithm>
#include <sstream>

#include "fuzz/FuzzSupport.h"
#include "kmer/Mer.h"
#include "kmer/MerHashMap.h"
#include "sequence/Sequence.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    const uint8_t mode = input.Byte();
    Mer::mMerSize = input.Byte() % 34;                 // 0 and 33 are outside 1..32
    const int first = static_cast<int8_t>(input.Byte()) % 4;  // -3..3
    const int last = static_cast<int8_t>(input.Byte()) % 4;
    const int step = static_cast<int8_t>(input.Byte());       // -128..127
    const unsigned long long mod = input.Byte();
    const unsigned long long rem = input.Byte();
    const std::string text = input.Rest();

    SourceMerIndex index;
    std::istringstream in(text);
    if (mode & 1) index.AddToHashMapThinned(in, first, last, mod, rem);
    else index.AddToHashMapSampled(in, first, last, step);

    long long total = 0;
    for (const Sequence3Bit& r : index.mReads.mSeqs) total += r.mBaseSize;
    FUZZ_CHECK(total <= static_cast<long long>(text.size()));

    Sequence query;
    query.mBases.assign(text.begin(), text.end());
    MerSearchResultVec<SingleSourceMerLocation> hits;
    const int n = static_cast<int>(std::min<size_t>(text.size(), 300));
    for (int pos = -2; pos <= n + 1; ++pos) {
        index.PrefetchMer(query, pos);
        index.FindMerLocations(query, pos, hits);
        index.FindRevMerLocations(query, pos, hits);
    }
    for (const auto& h : hits) FUZZ_CHECK(h.mLocation.mPos < total);
    Mer::mMerSize = 32;
    return 0;
}
