// The source index's store: 64-bit k-mer value -> locations in stored order.
//
// A stream load builds one array of 12-byte entries {key low, key high,
// location} grouped by bucket (bucket = top mBits bits of the mixed key) with a
// 4-byte directory of bucket starts, by a counting sort instead of one hash
// insert per position: the positions of a load are counted per partition (top
// 8 bits of the bucket), scattered into their partitions in load order, and
// each partition is sorted by bucket through one partition-sized buffer. Every
// pass is stable, so a k-mer's entries keep the order they were added in.
// Locations added outside stream loads go to a small hash table (mAdded) and
// come after the sorted ones; the next stream load merges them in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "kmer/MerLocationTable.h"

class Sequence3Bit;

class MerSortedIndex {
public:
    struct Entry {
        uint32_t mKeyLow;
        uint32_t mKeyHigh;
        uint32_t mLoc;  // bit 31 clear once built
    };

    // Which positions of a read a stream load indexes: every mStep-th (sampled)
    // or those whose k-mer value % mMod == mRem (thinned).
    struct Select {
        bool mThinned;
        int mStep;
        unsigned long long mMod;
        unsigned long long mRem;
    };

    std::vector<Entry> mEntries;        // grouped by bucket
    std::vector<uint32_t> mDirectory;   // bucket b holds mEntries[mDirectory[b] .. mDirectory[b+1])
    int mBits = 0;                      // log2 of the bucket count; 0 before the first build
    size_t mSortedDistinct = 0;         // distinct keys of mEntries
    MerLocationTable mAdded;            // locations added since the last build
    size_t mAddedOnly = 0;              // keys of mAdded absent from mEntries

    explicit MerSortedIndex(size_t bucketHint = 100);

    // Buckets of the sorted array once built, else of the added table.
    size_t BucketCount() const;
    size_t Size() const { return mSortedDistinct + mAddedOnly; }  // distinct keys
    float LoadFactor() const { return float(Size()) / float(BucketCount()); }
    size_t NumLocations() const { return mEntries.size() + mAdded.NumLocations(); }

    // Room for `distinct` keys added outside stream loads.
    void Reserve(size_t distinct) { mAdded.Reserve(mAdded.Size() + distinct); }

    // Appends loc (bit 31 cleared) to key's locations when they number fewer than
    // maxLocations (signed comparison); a new key always takes its first location.
    void Add(uint64_t key, uint32_t loc, int maxLocations);

    // Starts loading key's directory slot (and its added-table slot if any).
    void Prefetch(uint64_t key) const {
        if (mBits) __builtin_prefetch(mDirectory.data() + Bucket(key));
        if (mAdded.Size()) mAdded.Prefetch(key);
    }
    // Starts loading key's bucket of entries; its directory slot should be loaded.
    void PrefetchEntries(uint64_t key) const {
        if (mBits) __builtin_prefetch(mEntries.data() + mDirectory[Bucket(key)]);
    }

    // The entries of key's bucket ([begin, end), possibly empty), which hold all of
    // key's sorted locations in stored order, among other keys' entries.
    void BucketRange(uint64_t key, const Entry*& begin, const Entry*& end) const {
        if (!mBits) {
            begin = end = nullptr;
            return;
        }
        const size_t b = Bucket(key);
        begin = mEntries.data() + mDirectory[b];
        end = mEntries.data() + mDirectory[b + 1];
    }
    static bool Holds(const Entry& e, uint64_t key) {
        return e.mKeyLow == uint32_t(key) && e.mKeyHigh == uint32_t(key >> 32);
    }
    // Sorted locations of key.
    uint32_t SortedCount(uint64_t key) const;

    // Rebuilds the sorted array from its present entries, then the added ones,
    // then the selected positions of reads[0..n) in order (k = Mer::mMerSize),
    // each of the last kept while its k-mer has fewer than maxLocations
    // locations (its first always). For every read number r of reportAt
    // (increasing), distinctAt gets the distinct keys once reads 0..r-1 are in.
    void Build(const Sequence3Bit* reads, size_t n, const Select& select, int maxLocations,
               const std::vector<size_t>& reportAt, std::vector<size_t>& distinctAt);

    // Bytes held: entries, directory and the added table (capacities).
    size_t MemoryBytes() const;

    static uint64_t Mix(uint64_t h) {
        h ^= h >> 33;
        h *= 0xff51afd7ed558ccdull;
        h ^= h >> 33;
        h *= 0xc4ceb9fe1a85ec53ull;
        h ^= h >> 33;
        return h;
    }

private:
    size_t Bucket(uint64_t key) const { return size_t(Mix(key) >> (64 - mBits)); }
};
