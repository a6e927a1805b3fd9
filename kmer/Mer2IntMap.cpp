#include "kmer/Mer2IntMap.h"

#include <cctype>
#include <climits>
#include <iostream>

#include "kmer/MerScan.h"
#include "kmer/StreamRead.h"
#include "text/Globals.h"

void Mer2IntMap::Add(const Mer& m) {
    auto it = mCounts.try_emplace(m, 0).first;
    if (it->second < INT_MAX) ++it->second;
    if (mTotalMers < INT_MAX) ++mTotalMers;
}

void Mer2IntMap::Add(const Sequence3Bit& read) {
    const int k = Mer::mMerSize;
    ForEachValidMer(read, k, (long long)read.mBaseSize - k + 1, [&](uint64_t v, int) { Add(Mer::FromValue(v)); });
}

void Mer2IntMap::Add(const Sequence3Bit& read, unsigned subset) {
    const int k = Mer::mMerSize;
    ForEachValidMer(read, k, (long long)read.mBaseSize - k + 1, [&](uint64_t v, int) {
        const Mer m = Mer::FromValue(v);
        if (m.InSubset(subset)) Add(m);
    });
}

bool Mer2IntMap::BeginsWith(const std::string& prefix, const Sequence3Bit& read, int start) const {
    if (start < 0 || (long long)start + (long long)prefix.size() > read.mBaseSize) return prefix.empty();
    for (size_t j = 0; j < prefix.size(); ++j) {
        const char letter = Sequence3Bit::Bit2Base(read.Code(start + int(j)));
        if (std::tolower(uint8_t(prefix[j])) != std::tolower(uint8_t(letter))) return false;
    }
    return true;
}

void Mer2IntMap::Add(const Sequence3Bit& read, const std::string& prefix) {
    const int k = Mer::mMerSize;
    // The last possible start, mBaseSize - k, is not looked at.
    ForEachValidMer(read, k, (long long)read.mBaseSize - k, [&](uint64_t v, int pos) {
        if (BeginsWith(prefix, read, pos)) Add(Mer::FromValue(v));
    });
}

namespace {
// Runs body(read) for every record the low-quality-trimming reader gives.
template <class Body>
void ForEachTrimmedRead(std::istream& in, Body body) {
    Sequence3Bit read;
    gseqbuf2[0] = '1';
    do {
        if (!read.GetNextReadTrimLowQual(in, gseqbuf2, kSeqBuf2Size)) break;  // no progress possible
        body(read);
    } while (!StreamDone(in));
}
}  // namespace

void Mer2IntMap::Add(std::istream& in) {
    ForEachTrimmedRead(in, [&](const Sequence3Bit& r) { Add(r); });
}

void Mer2IntMap::Add(std::istream& in, unsigned subset) {
    ForEachTrimmedRead(in, [&](const Sequence3Bit& r) { Add(r, subset); });
}

void Mer2IntMap::Add(std::istream& in, std::string prefix) {
    long long reads = 0;
    ForEachTrimmedRead(in, [&](const Sequence3Bit& r) {
        Add(r, prefix);
        if (++reads % 20000 == 0)
            std::cout << reads << " reads processed, size=" << mCounts.size() << " TotalMers=" << mTotalMers
                      << std::endl;
    });
}
