#include "kmer/MerLocationTable.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Grow once the table is this full; a reservation aims at kTargetLoad.
constexpr double kMaxLoad = 0.9;
constexpr double kTargetLoad = 0.85;
constexpr unsigned kClasses = 33;  // block sizes 2^1 .. 2^32

inline uint64_t Mix(uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdull;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ull;
    h ^= h >> 33;
    return h;
}

inline uint64_t KeyOf(uint32_t low, uint32_t high) { return (uint64_t(high) << 32) | low; }

// Size class of a list of count >= 2 locations: the block holds 2^class.
inline unsigned ClassOf(uint32_t count) {
    return count <= 2 ? 1u : unsigned(32 - __builtin_clz(count - 1));
}

}  // namespace

MerLocationTable::MerLocationTable(size_t bucketHint)
    : mSlots(std::max<size_t>(bucketHint, 1), Slot{0, 0, kEmpty}), mFree(kClasses, kNone) {}

size_t MerLocationTable::Home(uint64_t key) const {
    // Top 32 bits of the mixed key scaled to the bucket count (no modulo, any count up to 2^32).
    return size_t(((Mix(key) >> 32) * uint64_t(mSlots.size())) >> 32);
}

size_t MerLocationTable::Distance(size_t slot) const {
    const Slot& s = mSlots[slot];
    const size_t home = Home(KeyOf(s.mKeyLow, s.mKeyHigh));
    return slot >= home ? slot - home : slot + mSlots.size() - home;
}

size_t MerLocationTable::Probe(uint64_t key) const {
    const size_t cap = mSlots.size();
    const uint32_t low = uint32_t(key), high = uint32_t(key >> 32);
    size_t i = Home(key);
    for (size_t d = 0;; ++d) {
        const Slot& s = mSlots[i];
        if (s.mValue == kEmpty) return kNotFound;
        if (s.mKeyLow == low && s.mKeyHigh == high) return i;
        if (Distance(i) < d) return kNotFound;
        if (++i == cap) i = 0;
    }
}

void MerLocationTable::Insert(uint64_t key, uint32_t value) {
    const size_t cap = mSlots.size();
    Slot cur{uint32_t(key), uint32_t(key >> 32), value};
    size_t i = Home(key);
    for (size_t d = 0;; ++d) {
        Slot& s = mSlots[i];
        if (s.mValue == kEmpty) {
            s = cur;
            return;
        }
        const size_t sd = Distance(i);
        if (sd < d) {
            // Robin Hood: the entry closer to its home moves on.
            std::swap(s, cur);
            d = sd;
        }
        if (++i == cap) i = 0;
    }
}

void MerLocationTable::Rehash(size_t buckets) {
    std::vector<Slot> old(std::max(buckets, mSize + 1), Slot{0, 0, kEmpty});
    old.swap(mSlots);
    for (const Slot& s : old)
        if (s.mValue != kEmpty) Insert(KeyOf(s.mKeyLow, s.mKeyHigh), s.mValue);
}

void MerLocationTable::Reserve(size_t distinct) {
    if (double(distinct) <= kMaxLoad * double(mSlots.size())) return;
    Rehash(size_t(double(distinct) / kTargetLoad) + 1);
}

uint32_t MerLocationTable::AllocBlock(unsigned sizeClass) {
    uint32_t off = mFree[sizeClass];
    if (off != kNone) {
        mFree[sizeClass] = mPool[off];
        return off;
    }
    const uint64_t size = uint64_t(1) << sizeClass;
    if (mPool.size() + size >= kNone) throw std::bad_alloc();
    off = uint32_t(mPool.size());
    mPool.resize(mPool.size() + size_t(size));
    return off;
}

void MerLocationTable::FreeBlock(uint32_t offset, unsigned sizeClass) {
    mPool[offset] = mFree[sizeClass];
    mFree[sizeClass] = offset;
}

void MerLocationTable::Append(uint32_t& value, uint32_t loc) {
    if (!(value & kListBit)) {
        // Second location: the k-mer moves from inline to a list of two.
        if (mLists.size() >= kListBit) throw std::bad_alloc();
        const uint32_t off = AllocBlock(1);
        mPool[off] = value;
        mPool[off + 1] = loc;
        mLists.push_back(ListHead{off, 2});
        value = kListBit | uint32_t(mLists.size() - 1);
        return;
    }
    const uint32_t idx = value & ~kListBit;
    ListHead head = mLists[idx];
    const unsigned c = ClassOf(head.mCount);
    if (head.mCount == (uint64_t(1) << c)) {
        const uint32_t off = AllocBlock(c + 1);
        std::copy(mPool.begin() + head.mOffset, mPool.begin() + head.mOffset + head.mCount, mPool.begin() + off);
        FreeBlock(head.mOffset, c);
        head.mOffset = off;
    }
    mPool[head.mOffset + head.mCount] = loc;
    ++head.mCount;
    mLists[idx] = head;
}

void MerLocationTable::Add(uint64_t key, uint32_t loc, int maxLocations) {
    loc &= ~kListBit;
    const size_t at = Probe(key);
    if (at != kNotFound) {
        uint32_t& value = mSlots[at].mValue;
        const long long count = (value & kListBit) ? mLists[value & ~kListBit].mCount : 1;
        if (count >= maxLocations) return;
        Append(value, loc);
        ++mLocations;
        return;
    }
    if (double(mSize + 1) > kMaxLoad * double(mSlots.size())) Rehash(mSlots.size() * 2);
    Insert(key, loc);
    ++mSize;
    ++mLocations;
}

const uint32_t* MerLocationTable::Find(uint64_t key, uint32_t& count) const {
    const size_t at = Probe(key);
    if (at == kNotFound) {
        count = 0;
        return nullptr;
    }
    const uint32_t& value = mSlots[at].mValue;
    if (!(value & kListBit)) {
        count = 1;
        return &value;
    }
    const ListHead& head = mLists[value & ~kListBit];
    count = head.mCount;
    return mPool.data() + head.mOffset;
}

size_t MerLocationTable::MemoryBytes() const {
    return mSlots.capacity() * sizeof(Slot) + mLists.capacity() * sizeof(ListHead) +
           mPool.capacity() * sizeof(uint32_t) + mFree.capacity() * sizeof(uint32_t);
}
