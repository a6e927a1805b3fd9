// The source index's table: 64-bit k-mer value -> list of 32-bit locations.
//
// Open addressing with Robin Hood linear probing over 12-byte slots
// {key low word, key high word, value}. A value with bit 31 clear is the k-mer's
// only location, held inline (index locations never have bit 31 set); bit 31 set
// means bits 0..30 index mLists, whose entry is a range of mPool. List blocks
// hold a power of two >= 2 locations and move to a block twice the size when
// full; freed blocks are reused through one free list per size. Locations keep
// the order in which they were added. No allocation happens for a k-mer seen once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class MerLocationTable {
public:
    explicit MerLocationTable(size_t bucketHint = 100);

    size_t BucketCount() const { return mSlots.size(); }
    size_t Size() const { return mSize; }  // distinct keys
    float LoadFactor() const { return float(mSize) / float(mSlots.size()); }
    size_t NumLocations() const { return mLocations; }

    // Makes room for `distinct` keys in all without growing again.
    void Reserve(size_t distinct);

    // Appends loc to key's list when that list holds fewer than maxLocations
    // (signed comparison); a new key always takes its first location.
    void Add(uint64_t key, uint32_t loc, int maxLocations);

    // Hint that key is about to be added or looked up: starts loading its home slot.
    void Prefetch(uint64_t key) const { __builtin_prefetch(mSlots.data() + Home(key)); }

    // Locations of key in stored order, or nullptr with count 0.
    const uint32_t* Find(uint64_t key, uint32_t& count) const;

    // Bytes held by the table, its lists and pool (capacities).
    size_t MemoryBytes() const;

    // Calls visit(key, locations, count) for every key, locations in stored order.
    template <class Visit>
    void ForEach(Visit visit) const {
        for (const Slot& s : mSlots) {
            if (s.mValue == kEmpty) continue;
            const uint64_t key = (uint64_t(s.mKeyHigh) << 32) | s.mKeyLow;
            if (!(s.mValue & kListBit)) {
                visit(key, &s.mValue, uint32_t(1));
            } else {
                const ListHead& h = mLists[s.mValue & ~kListBit];
                visit(key, mPool.data() + h.mOffset, h.mCount);
            }
        }
    }

private:
    struct Slot {
        uint32_t mKeyLow;
        uint32_t mKeyHigh;
        uint32_t mValue;  // kEmpty, inline location, or kListBit | list index
    };
    struct ListHead {
        uint32_t mOffset;  // first location in mPool
        uint32_t mCount;
    };
    static constexpr uint32_t kEmpty = 0xFFFFFFFFu;
    static constexpr uint32_t kListBit = 0x80000000u;
    static constexpr uint32_t kNone = 0xFFFFFFFFu;

    std::vector<Slot> mSlots;
    std::vector<ListHead> mLists;
    std::vector<uint32_t> mPool;
    std::vector<uint32_t> mFree;  // per size class: first free block, kNone if none
    size_t mSize = 0;
    size_t mLocations = 0;

    size_t Home(uint64_t key) const;
    size_t Distance(size_t slot) const;
    size_t Probe(uint64_t key) const;  // slot holding key, or kNotFound
    void Insert(uint64_t key, uint32_t value);
    void Rehash(size_t buckets);
    void Append(uint32_t& value, uint32_t loc);
    uint32_t AllocBlock(unsigned sizeClass);
    void FreeBlock(uint32_t offset, unsigned sizeClass);
    static constexpr size_t kNotFound = ~size_t(0);
};
