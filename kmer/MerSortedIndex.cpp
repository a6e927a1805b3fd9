#include "kmer/MerSortedIndex.h"

#include <algorithm>
#include <climits>
#include <new>
#include <unordered_map>

#include "kmer/Mer.h"
#include "kmer/MerScan.h"
#include "kmer/Sequence3Bit.h"

static_assert(sizeof(MerSortedIndex::Entry) == 12, "entries are packed in 12 bytes");

namespace {

// Partitions: the top 8 to 12 bits of the bucket, so that a partition of a
// large load still sorts within the caches. Counted at the finest size.
constexpr int kMinPartBits = 8;
constexpr int kMaxPartBits = 12;
// Set on the entries of the load being built until they are settled.
constexpr uint32_t kNew = 0x80000000u;
// Buckets up to this size are searched pairwise; larger ones through a map.
constexpr size_t kSmallBucket = 16;

using Entry = MerSortedIndex::Entry;

inline uint64_t KeyOf(const Entry& e) { return (uint64_t(e.mKeyHigh) << 32) | e.mKeyLow; }
inline size_t PartOf(uint64_t key, int partBits) { return size_t(MerSortedIndex::Mix(key) >> (64 - partBits)); }

// Calls visit(read number, value, pos) for the selected positions of reads[0..n),
// in read order and increasing position: starts 0 .. mBaseSize - k - 1, k-mers
// holding a code >= 4 skipped.
template <class Visit>
void ForEachSelected(const Sequence3Bit* reads, size_t n, const MerSortedIndex::Select& sel, Visit visit) {
    const int k = Mer::mMerSize;
    if (k < 1 || k > 32 || (sel.mThinned ? sel.mMod == 0 : sel.mStep < 1)) return;
    for (size_t r = 0; r < n; ++r) {
        const Sequence3Bit& read = reads[r];
        const long long starts = (long long)read.mBaseSize - k;
        if (sel.mThinned) {
            ForEachValidMer(read, k, starts, [&](uint64_t v, int pos) {
                if (v % sel.mMod == sel.mRem) visit(r, v, uint32_t(pos));
            });
        } else if (sel.mStep == 1) {
            ForEachValidMer(read, k, starts, [&](uint64_t v, int pos) { visit(r, v, uint32_t(pos)); });
        } else {
            ForEachValidMer(read, k, starts, [&](uint64_t v, int pos) {
                if (pos % sel.mStep == 0) visit(r, v, uint32_t(pos));
            });
        }
    }
}

// Distinct keys among m entries.
size_t DistinctKeys(const Entry* e, size_t m, std::vector<uint64_t>& scratch) {
    if (m <= kSmallBucket) {
        size_t d = 0;
        for (size_t j = 0; j < m; ++j) {
            size_t i = 0;
            while (i < j && !(e[i].mKeyLow == e[j].mKeyLow && e[i].mKeyHigh == e[j].mKeyHigh)) ++i;
            d += (i == j);
        }
        return d;
    }
    scratch.resize(m);
    for (size_t j = 0; j < m; ++j) scratch[j] = KeyOf(e[j]);
    std::sort(scratch.begin(), scratch.end());
    return size_t(std::unique(scratch.begin(), scratch.end()) - scratch.begin());
}

}  // namespace

MerSortedIndex::MerSortedIndex(size_t bucketHint) : mAdded(bucketHint) {}

size_t MerSortedIndex::BucketCount() const { return mBits ? size_t(1) << mBits : mAdded.BucketCount(); }

uint32_t MerSortedIndex::SortedCount(uint64_t key) const {
    const Entry *b, *e;
    BucketRange(key, b, e);
    uint32_t count = 0;
    for (; b != e; ++b) count += Holds(*b, key);
    return count;
}

void MerSortedIndex::Add(uint64_t key, uint32_t loc, int maxLocations) {
    loc &= ~kNew;
    const uint32_t sorted = SortedCount(key);
    if (sorted == 0) {
        const size_t had = mAdded.Size();
        mAdded.Add(key, loc, maxLocations);
        mAddedOnly += mAdded.Size() - had;
        return;
    }
    uint32_t added = 0;
    mAdded.Find(key, added);
    if ((long long)sorted + added >= maxLocations) return;
    mAdded.Add(key, loc, INT_MAX);
}

void MerSortedIndex::Build(const Sequence3Bit* reads, size_t n, const Select& select, int maxLocations,
                           const std::vector<size_t>& reportAt, std::vector<size_t>& distinctAt) {
    const size_t before = Size();
    distinctAt.assign(reportAt.size(), before);

    // Pass 1: entries per partition, in the order they will be laid down:
    // the sorted ones, the added ones, then the load's.
    std::vector<size_t> fine((size_t(1) << kMaxPartBits) + 1, 0);
    for (const Entry& e : mEntries) ++fine[PartOf(KeyOf(e), kMaxPartBits)];
    mAdded.ForEach([&](uint64_t key, const uint32_t*, uint32_t count) { fine[PartOf(key, kMaxPartBits)] += count; });
    // A thinned load keeps its few selected positions (about one in mod) from
    // this pass, so that the modulus is taken once per position.
    std::vector<Entry> fresh;
    ForEachSelected(reads, n, select, [&](size_t, uint64_t v, uint32_t pos) {
        ++fine[PartOf(v, kMaxPartBits)];
        if (select.mThinned) fresh.push_back(Entry{uint32_t(v), uint32_t(v >> 32), pos | kNew});
    });
    size_t total = 0;
    for (size_t c : fine) total += c;
    if (total == mEntries.size()) return;  // nothing added, nothing loaded
    if (total >= UINT32_MAX) throw std::bad_alloc();

    // About 2.5 to 5 entries per bucket; partitions of up to about 2^14 buckets.
    int bits = kMinPartBits;
    while (bits < 31 && (size_t(1) << (bits + 1)) * 5 / 2 <= total) ++bits;
    const int shift = 64 - bits;
    const int partBits = std::min(kMaxPartBits, std::max(kMinPartBits, bits - 14));
    const size_t parts = size_t(1) << partBits;
    const size_t perPart = size_t(1) << (bits - partBits);
    std::vector<size_t> start(parts + 1, 0);
    for (size_t f = 0; f < fine.size() - 1; ++f) start[(f >> (kMaxPartBits - partBits)) + 1] += fine[f];
    for (size_t p = 0; p < parts; ++p) start[p + 1] += start[p];

    // Pass 2: every entry into its partition, stably, in the order of pass 1.
    std::vector<Entry> ent(total);
    {
        std::vector<size_t> fill(start.begin(), start.end() - 1);
        for (const Entry& e : mEntries) ent[fill[PartOf(KeyOf(e), partBits)]++] = e;
        mAdded.ForEach([&](uint64_t key, const uint32_t* locs, uint32_t count) {
            size_t& f = fill[PartOf(key, partBits)];
            for (uint32_t j = 0; j < count; ++j) ent[f++] = Entry{uint32_t(key), uint32_t(key >> 32), locs[j]};
        });
        if (select.mThinned) {
            for (const Entry& e : fresh) ent[fill[PartOf(KeyOf(e), partBits)]++] = e;
        } else {
            ForEachSelected(reads, n, select, [&](size_t, uint64_t v, uint32_t pos) {
                ent[fill[PartOf(v, partBits)]++] = Entry{uint32_t(v), uint32_t(v >> 32), pos | kNew};
            });
        }
    }
    std::vector<Entry>().swap(fresh);
    std::vector<Entry>().swap(mEntries);
    mAdded = MerLocationTable();
    mAddedOnly = 0;
    std::vector<uint32_t> dir((size_t(1) << bits) + 1);

    // Pass 3: each partition sorted by bucket through one buffer, then laid
    // back bucket by bucket; a capped load drops the locations of its own
    // beyond maxLocations per key.
    size_t most = 0;
    for (size_t p = 0; p < parts; ++p) most = std::max(most, start[p + 1] - start[p]);
    std::vector<Entry> tmp(most);
    std::vector<size_t> cursor(perPart);
    std::vector<uint64_t> scratch;
    std::unordered_map<uint64_t, long long> kept;
    const bool capped = maxLocations != INT_MAX;
    const uint32_t clear = reportAt.empty() ? ~kNew : ~uint32_t(0);
    size_t out = 0, distinct = 0;
    for (size_t p = 0; p < parts; ++p) {
        const size_t a = start[p], e = start[p + 1];
        std::fill(cursor.begin(), cursor.end(), 0);
        for (size_t j = a; j < e; ++j) ++cursor[(Mix(KeyOf(ent[j])) >> shift) & (perPart - 1)];
        size_t sum = 0;
        for (size_t b = 0; b < perPart; ++b) {
            const size_t c = cursor[b];
            cursor[b] = sum;
            sum += c;
        }
        for (size_t j = a; j < e; ++j) tmp[cursor[(Mix(KeyOf(ent[j])) >> shift) & (perPart - 1)]++] = ent[j];
        // cursor[b] is now the end of bucket b in tmp.
        size_t s = 0;
        for (size_t b = 0; b < perPart; ++b) {
            const size_t t = cursor[b];
            dir[p * perPart + b] = uint32_t(out);
            distinct += DistinctKeys(tmp.data() + s, t - s, scratch);
            if (!capped) {
                for (size_t j = s; j < t; ++j) {
                    ent[out] = tmp[j];
                    ent[out++].mLoc &= clear;
                }
            } else {
                kept.clear();
                const size_t first = out;
                for (size_t j = s; j < t; ++j) {
                    const Entry& x = tmp[j];
                    long long have = 0;
                    if (t - s <= kSmallBucket) {
                        for (size_t i = first; i < out; ++i) have += (ent[i].mKeyLow == x.mKeyLow && ent[i].mKeyHigh == x.mKeyHigh);
                    } else {
                        have = kept[KeyOf(x)];
                    }
                    if ((x.mLoc & kNew) && have > 0 && have >= maxLocations) continue;
                    if (t - s > kSmallBucket) ++kept[KeyOf(x)];
                    ent[out] = x;
                    ent[out++].mLoc &= clear;
                }
            }
            s = t;
        }
    }
    dir[size_t(1) << bits] = uint32_t(out);
    if (out < total) {
        ent.resize(out);
        ent.shrink_to_fit();
    }
    std::vector<Entry>().swap(tmp);
    mEntries.swap(ent);
    mDirectory.swap(dir);
    mBits = bits;
    mSortedDistinct = distinct;

    if (reportAt.empty()) return;
    // Distinct keys as the reads came in: a new key's first entry still carries
    // kNew; the first visit of each, in load order, counts it for its read.
    std::vector<size_t> newAt(n + 1, 0);
    ForEachSelected(reads, n, select, [&](size_t r, uint64_t v, uint32_t) {
        const Entry *b, *end;
        BucketRange(v, b, end);
        while (b != end && !Holds(*b, v)) ++b;
        Entry& x = mEntries[size_t(b - mEntries.data())];
        if (x.mLoc & kNew) {
            x.mLoc &= ~kNew;
            ++newAt[r];
        }
    });
    for (Entry& x : mEntries) x.mLoc &= ~kNew;
    size_t seen = before, r = 0;
    for (size_t j = 0; j < reportAt.size(); ++j) {
        for (; r < reportAt[j] && r < n; ++r) seen += newAt[r];
        distinctAt[j] = seen;
    }
}

size_t MerSortedIndex::MemoryBytes() const {
    return mEntries.capacity() * sizeof(Entry) + mDirectory.capacity() * sizeof(uint32_t) + mAdded.MemoryBytes();
}
