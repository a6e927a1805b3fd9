// The source k-mer index: for every indexed k-mer of the source reads, the
// start positions where it occurs, and the lookups that turn a query k-mer
// into hit records.
#pragma once

#include <climits>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "kmer/Mer.h"
#include "kmer/MerSortedIndex.h"
#include "kmer/Sequence3Bit.h"
#include "text/Globals.h"

class Sequence;

// One source position word: mPos in bits 0..30, mRev in bit 31 (set only in
// the results of a reverse-complement lookup). The read is not recorded.
struct SingleSourceMerLocation {
    uint32_t mPos : 31;
    uint32_t mRev : 1;

    // The whole 32-bit word, independent of how the compiler lays out bit fields.
    uint32_t Word() const { return uint32_t(mPos) | (uint32_t(mRev) << 31); }
    static SingleSourceMerLocation FromWord(uint32_t w) {
        SingleSourceMerLocation l;
        l.mPos = w & 0x7FFFFFFFu;
        l.mRev = w >> 31;
        return l;
    }
    bool operator==(const SingleSourceMerLocation& o) const { return Word() == o.Word(); }
    bool operator!=(const SingleSourceMerLocation& o) const { return Word() != o.Word(); }
};

// The locations of one k-mer, in the order they were added.
template <class L>
using MerLocationVecT = std::vector<L>;

// One hit of a query k-mer.
template <class L>
struct MerSearchResult {
    L mLocation;      // stored location; mRev set for reverse-complement hits
    int mQueryPos;    // query position looked up
    int mCount;       // locations the k-mer had in the index at lookup time
    int mReserved;    // 0
};

template <class L>
using MerSearchResultVec = std::vector<MerSearchResult<L>>;

// The index. HashF names the k-mer hash of the index's type; the store itself
// spreads keys with a 64-bit mixer of the k-mer value (MerSortedIndex.h).
template <class HashF, class Location>
class MerHashMap {
public:
    MerSortedIndex mMap;            // k-mer value -> locations, stored order kept
    Sequence3BitVector mReads;      // the loaded reads, packed, in load order
    std::vector<std::string> mReadNames;  // mName of each loaded read
    std::vector<int> mReadSizes;          // mBaseSize of each loaded read
    int mMaxLocations;              // most locations kept per k-mer; INT_MAX keeps all

    explicit MerHashMap(size_t bucketHint = 100);

    // Stream loads: read records first..last (0-based, counted by header lines)
    // with GetNextRead through gseqbuf2 and index them, every step-th position
    // (sampled) or the k-mers whose value % mod == rem (thinned). A progress line
    // is written for read 5000, 10000, ... A failed stream counts as an empty one.
    void AddToHashMapSampled(std::istream& in, int first, int last, int step);
    void AddToHashMapThinned(std::istream& in, int first, int last, unsigned long long mod,
                             unsigned long long rem);

    // Index one read: positions 0 .. mBaseSize - k - 1 (the last start is never
    // indexed); k-mers holding a code >= 4 are skipped. step < 1 or mod == 0, or
    // k outside 1..32, index nothing.
    void AddToHashMapSampled(const Sequence3Bit& read, int readIdx, int step);
    void AddToHashMapThinned(const Sequence3Bit& read, int readIdx, unsigned long long mod,
                             unsigned long long rem);

    // Records that mer starts at pos (bit 31 cleared). readIdx is not used.
    void AddLocation(const Mer& mer, int readIdx, int pos);

    // Skips the stream to the header line of read n; buf (bufSize bytes) then
    // holds it, or the last line read, or "" when nothing could be read.
    void ScanToReadNumber(std::istream& in, int n, char* buf, int bufSize = kSeqBuf2Size);

    // Append one hit per stored location of the query k-mer at pos (forward), or
    // of its reverse complement (mRev set); nothing when absent, or when the
    // k-mer does not lie inside the query (the size error is reported).
    void FindMerLocations(const Sequence& query, int pos, MerSearchResultVec<Location>& out) const;
    void FindRevMerLocations(const Sequence& query, int pos, MerSearchResultVec<Location>& out) const;

    // Optional hint for a caller walking a query: starts fetching the table slots
    // that FindMerLocations / FindRevMerLocations for pos will read, so that a
    // loop can prefetch a few positions ahead. Has no other effect.
    void PrefetchMer(const Sequence& query, int pos) const;

    // The same lookups by k-mer value, for callers that roll the value along a
    // query: value is what Mer::Value gives (bits above base k-1 clear), already
    // reverse-complemented for a reverse lookup. Appends one hit per stored
    // location, mPos | revBit as the location word, pos as mQueryPos.
    void FindValueLocations(uint64_t value, int pos, uint32_t revBit, MerSearchResultVec<Location>& out) const;
    // Starts fetching what FindValueLocations(value, ...) will read: first the
    // slot that locates value's locations, then (once that slot has arrived,
    // a few lookups later) the locations themselves.
    void PrefetchValue(uint64_t value) const { mMap.Prefetch(value); }
    void PrefetchValueLocations(uint64_t value) const { mMap.PrefetchEntries(value); }

    // The stored locations of mer (empty when absent).
    MerLocationVecT<Location> GetLocations(const Mer& mer) const;

    // Bytes held by the index: entries, directory, added table and packed reads.
    size_t MemoryBytes() const;

private:
    // Reads the records, then indexes them all in one build of mMap.
    void StreamLoad(std::istream& in, int first, int last, const MerSortedIndex::Select& select);
    // Positions a read would add (an upper bound on its new k-mers), and the indexing itself.
    static size_t CountSampled(const Sequence3Bit& read, int step);
    static size_t CountThinned(const Sequence3Bit& read, unsigned long long mod, unsigned long long rem);
    void IndexSampled(const Sequence3Bit& read, int step);
    void IndexThinned(const Sequence3Bit& read, unsigned long long mod, unsigned long long rem);
};

using SourceMerIndex = MerHashMap<MerHashF, SingleSourceMerLocation>;
extern template class MerHashMap<MerHashF, SingleSourceMerLocation>;
