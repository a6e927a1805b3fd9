#include "kmer/MerHashMap.h"

#include <iostream>

#include "kmer/MerScan.h"
#include "kmer/StreamRead.h"
#include "sequence/Sequence.h"

namespace {

// A stream load keeps one empty read per record it was asked for but did not
// find; beyond this many the missing records are not materialised, so that a
// caller asking for "every record" with a huge last cannot exhaust memory.
constexpr long long kMaxEmptySlots = 1 << 20;

// Adds (value, pos) pairs to a table in the order given, a batch at a time, so
// that the home slots of a whole batch are being fetched from memory together.
class BatchAdder {
public:
    BatchAdder(MerSortedIndex& table, int maxLocations) : mTable(table), mMax(maxLocations) {}
    ~BatchAdder() { Flush(); }
    void Add(uint64_t key, int pos) {
        mKeys[mN] = key;
        mPos[mN] = uint32_t(pos);
        if (++mN == kBatch) Flush();
    }
    void Flush() {
        for (int j = 0; j < mN; ++j) mTable.Prefetch(mKeys[j]);
        for (int j = 0; j < mN; ++j) mTable.Add(mKeys[j], mPos[j], mMax);
        mN = 0;
    }

private:
    static constexpr int kBatch = 16;
    MerSortedIndex& mTable;
    int mMax;
    int mN = 0;
    uint64_t mKeys[kBatch];
    uint32_t mPos[kBatch];
};

}  // namespace

template <class HashF, class Location>
MerHashMap<HashF, Location>::MerHashMap(size_t bucketHint) : mMap(bucketHint), mMaxLocations(INT_MAX) {}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::AddLocation(const Mer& mer, int /*readIdx*/, int pos) {
    mMap.Add(mer.Value(), uint32_t(pos) & 0x7FFFFFFFu, mMaxLocations);
}

template <class HashF, class Location>
size_t MerHashMap<HashF, Location>::CountSampled(const Sequence3Bit& read, int step) {
    const int k = Mer::mMerSize;
    if (k < 1 || k > 32 || step < 1) return 0;
    const long long span = (long long)read.mBaseSize - k;
    return span <= 0 ? 0 : size_t((span + step - 1) / step);
}

template <class HashF, class Location>
size_t MerHashMap<HashF, Location>::CountThinned(const Sequence3Bit& read, unsigned long long mod,
                                                 unsigned long long rem) {
    const int k = Mer::mMerSize;
    if (k < 1 || k > 32 || mod == 0) return 0;
    size_t count = 0;
    ForEachValidMer(read, k, (long long)read.mBaseSize - k, [&](uint64_t v, int) { count += (v % mod == rem); });
    return count;
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::IndexSampled(const Sequence3Bit& read, int step) {
    const int k = Mer::mMerSize;
    if (k < 1 || k > 32 || step < 1) return;
    BatchAdder add(mMap, mMaxLocations);
    ForEachValidMer(read, k, (long long)read.mBaseSize - k, [&](uint64_t v, int pos) {
        if (step == 1 || pos % step == 0) add.Add(v, pos);
    });
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::IndexThinned(const Sequence3Bit& read, unsigned long long mod,
                                               unsigned long long rem) {
    const int k = Mer::mMerSize;
    if (k < 1 || k > 32 || mod == 0) return;
    BatchAdder add(mMap, mMaxLocations);
    ForEachValidMer(read, k, (long long)read.mBaseSize - k, [&](uint64_t v, int pos) {
        if (v % mod == rem) add.Add(v, pos);
    });
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::AddToHashMapSampled(const Sequence3Bit& read, int /*readIdx*/, int step) {
    mMap.Reserve(CountSampled(read, step));
    IndexSampled(read, step);
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::AddToHashMapThinned(const Sequence3Bit& read, int /*readIdx*/,
                                                      unsigned long long mod, unsigned long long rem) {
    mMap.Reserve(CountThinned(read, mod, rem));
    IndexThinned(read, mod, rem);
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::ScanToReadNumber(std::istream& in, int n, char* buf, int bufSize) {
    bool readAny = false;
    if (n >= -1 && !StreamDone(in)) {
        int count = -1;
        do {
            long got;
            if (ReadLinePiece(in, buf, bufSize, got)) SkipRestOfLine(in);
            readAny = true;
            if (buf[0] == '>') ++count;
        } while (count < n && !StreamDone(in));
    }
    // Nothing read (stream at its end or failed): the next read parses an empty header.
    if (!readAny && bufSize > 0) buf[0] = 0;
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::StreamLoad(std::istream& in, int first, int last,
                                             const MerSortedIndex::Select& select) {
    ScanToReadNumber(in, first, gseqbuf2, kSeqBuf2Size);
    // No header found (the stream has fewer records, or none): the read gets an
    // empty header rather than a name made from whatever line came last.
    if (gseqbuf2[0] != '>') gseqbuf2[0] = 0;
    long long n = (long long)last - first + 1;
    if (n < 1) n = 1;  // the first read is always attempted
    const size_t s = mReads.mSeqs.size();

    // Read every record first, so that the index is built once for all of them.
    long long i = 0;
    do {
        mReads.mSeqs.emplace_back();
        Sequence3Bit& read = mReads.mSeqs.back();
        read.GetNextRead(in, gseqbuf2, kSeqBuf2Size);
        mReadSizes.push_back(read.mBaseSize);
        mReadNames.push_back(read.mName);
        ++i;
    } while (!StreamDone(in) && i < n);
    const long long read = i;
    if (n - read <= kMaxEmptySlots) mReads.mSeqs.resize(s + size_t(n));

    // A progress line for read 5000, 10000, ...: the bases up to that read and
    // the distinct k-mers of the reads before it.
    std::vector<size_t> reportAt, distinctAt;
    std::vector<long long> basesAt;
    long long bases = 0;
    for (i = 0; i < read; ++i) {
        bases += mReads.mSeqs[s + size_t(i)].mBaseSize;
        if (i > 0 && i % 5000 == 0) {
            reportAt.push_back(size_t(i));
            basesAt.push_back(bases);
        }
    }
    mMap.Build(mReads.mSeqs.data() + s, size_t(read), select, mMaxLocations, reportAt, distinctAt);
    const size_t buckets = mMap.BucketCount();
    for (size_t j = 0; j < reportAt.size(); ++j) {
        std::cout << "\t" << reportAt[j] << " reads (" << basesAt[j] << " bases) added.  Hash buckets: " << buckets;
        std::cout << "  HashSize =" << distinctAt[j] << " LoadFactor=" << float(distinctAt[j]) / float(buckets)
                  << std::endl;
    }
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::AddToHashMapSampled(std::istream& in, int first, int last, int step) {
    StreamLoad(in, first, last, MerSortedIndex::Select{false, step, 0, 0});
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::AddToHashMapThinned(std::istream& in, int first, int last,
                                                      unsigned long long mod, unsigned long long rem) {
    StreamLoad(in, first, last, MerSortedIndex::Select{true, 0, mod, rem});
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::FindValueLocations(uint64_t key, int pos, uint32_t revBit,
                                                     MerSearchResultVec<Location>& out) const {
    const MerSortedIndex::Entry *begin, *end;
    mMap.BucketRange(key, begin, end);
    uint32_t sorted = 0;
    for (const MerSortedIndex::Entry* e = begin; e != end; ++e) sorted += MerSortedIndex::Holds(*e, key);
    uint32_t added = 0;
    const uint32_t* more = mMap.mAdded.Size() ? mMap.mAdded.Find(key, added) : nullptr;
    const uint32_t count = sorted + added;
    if (count == 0) return;
    const size_t old = out.size();
    out.resize(old + count);
    MerSearchResult<Location>* hit = out.data() + old;
    auto put = [&](uint32_t loc) {
        hit->mLocation = Location::FromWord(loc | revBit);
        hit->mQueryPos = pos;
        hit->mCount = int(count);
        hit->mReserved = 0;
        ++hit;
    };
    for (const MerSortedIndex::Entry* e = begin; sorted != 0; ++e)
        if (MerSortedIndex::Holds(*e, key)) {
            put(e->mLoc);
            --sorted;
        }
    for (uint32_t j = 0; j < added; ++j) put(more[j]);
}

namespace {
// The query k-mer at pos exists: k in 1..32 and the k bases lie inside the
// query. When they do not, the constructor's size error is reported.
bool QueryMerFits(const Sequence& query, int pos) {
    const int k = Mer::mMerSize;
    if (k < 1 || k > 32) return false;
    if (pos >= 0 && (long long)query.mBases.size() - pos >= k) return true;
    Mer report(query, pos);
    return false;
}
}  // namespace

template <class HashF, class Location>
void MerHashMap<HashF, Location>::FindMerLocations(const Sequence& query, int pos,
                                                   MerSearchResultVec<Location>& out) const {
    if (!QueryMerFits(query, pos)) return;
    const Mer mer(query, pos);
    FindValueLocations(mer.Value(), pos, 0, out);
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::FindRevMerLocations(const Sequence& query, int pos,
                                                      MerSearchResultVec<Location>& out) const {
    if (!QueryMerFits(query, pos)) return;
    Mer mer(query, pos);
    mer.ReverseComplement();
    FindValueLocations(mer.Value(), pos, 0x80000000u, out);
}

template <class HashF, class Location>
void MerHashMap<HashF, Location>::PrefetchMer(const Sequence& query, int pos) const {
    const int k = Mer::mMerSize;
    if (k < 1 || k > 32 || pos < 0 || (long long)query.mBases.size() - pos < k) return;
    const Mer mer(query, pos);
    mMap.Prefetch(mer.Value());
    mMap.Prefetch(Mer::ReverseComplementValue(mer.Value()));
}

template <class HashF, class Location>
MerLocationVecT<Location> MerHashMap<HashF, Location>::GetLocations(const Mer& mer) const {
    MerSearchResultVec<Location> hits;
    FindValueLocations(mer.Value(), 0, 0, hits);
    MerLocationVecT<Location> out;
    out.reserve(hits.size());
    for (const MerSearchResult<Location>& h : hits) out.push_back(h.mLocation);
    return out;
}

template <class HashF, class Location>
size_t MerHashMap<HashF, Location>::MemoryBytes() const {
    size_t bytes = mMap.MemoryBytes() + mReads.mSeqs.capacity() * sizeof(Sequence3Bit);
    for (const Sequence3Bit& r : mReads.mSeqs) bytes += r.mWords.capacity() * sizeof(uint32_t);
    bytes += mReadNames.capacity() * sizeof(std::string) + mReadSizes.capacity() * sizeof(int);
    return bytes;
}

template class MerHashMap<MerHashF, SingleSourceMerLocation>;
