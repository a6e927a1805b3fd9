// Stream loads build the index in one sorted pass, while AddLocation and the
// per-read forms add to it one location at a time: whatever the mix, every
// k-mer's locations must read back in the order they were added, with the
// cap, counts and progress lines of adding them one by one.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "KmerTestUtil.h"
#include "kmer/MerHashMap.h"

namespace {

using Hits = MerSearchResultVec<SingleSourceMerLocation>;

// Locations added one at a time, as the index defines them.
struct Model {
    std::map<uint64_t, std::vector<uint32_t>> mLists;
    size_t mTotal = 0;
    void Add(uint64_t key, uint32_t pos, int max) {
        std::vector<uint32_t>& l = mLists[key];
        if (!l.empty() && (long long)l.size() >= max) return;
        l.push_back(pos & 0x7FFFFFFFu);
        ++mTotal;
    }
    // The positions a sampled (mod == 0) or thinned read indexes, in order.
    void AddRead(const std::string& bases, int step, unsigned long long mod, unsigned long long rem, int max) {
        const int k = Mer::mMerSize;
        const Sequence3Bit read = Packed(bases);
        for (int pos = 0; pos < read.mBaseSize - k; ++pos) {
            bool bad;
            const Mer m(read, pos, bad);
            if (bad) continue;
            if (mod ? m.Value() % mod == rem : pos % step == 0) Add(m.Value(), uint32_t(pos), max);
        }
    }
};

std::string RandomRead(std::mt19937& rng, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "ACGTACGTACGTACGTN"[rng() % 17];
    return s;
}

void ExpectSame(const SourceMerIndex& index, const Model& model, const std::string& when) {
    SCOPED_TRACE(when);
    const uint64_t keys = uint64_t(1) << (2 * Mer::mMerSize);
    size_t distinct = 0;
    for (uint64_t v = 0; v < keys; ++v) {
        auto it = model.mLists.find(v);
        const std::vector<uint32_t> none;
        const std::vector<uint32_t>& want = it == model.mLists.end() ? none : it->second;
        distinct += !want.empty();
        std::vector<uint32_t> got;
        for (const SingleSourceMerLocation& l : index.GetLocations(Mer::FromValue(v))) got.push_back(l.Word());
        ASSERT_EQ(got, want) << "k-mer " << v;
        Hits hits;
        index.FindValueLocations(v, 3, 0x80000000u, hits);
        ASSERT_EQ(hits.size(), want.size());
        for (size_t j = 0; j < hits.size(); ++j) {
            ASSERT_EQ(hits[j].mLocation.Word(), want[j] | 0x80000000u);
            ASSERT_EQ(hits[j].mCount, int(want.size()));
        }
    }
    EXPECT_EQ(index.mMap.Size(), distinct);
    EXPECT_EQ(index.mMap.NumLocations(), model.mTotal);
}

}  // namespace

// Random mixes of stream loads (sampled and thinned), AddLocation and the
// per-read forms, with the cap changed along the way, against the model.
TEST(MerIndexOrder, StreamLoadsMixedWithSingleAddsKeepAddedOrder) {
    MerSizeScope k(4);  // 256 k-mers: long lists, crowded buckets
    for (int max : {INT_MAX, 5, 2, 1, 0, -3}) {
        for (unsigned seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(testing::Message() << "max " << max << " seed " << seed);
            std::mt19937 rng(seed * 7919u + unsigned(max & 0xFF));
            SourceMerIndex index;
            index.mMaxLocations = max;
            Model model;
            for (int op = 0; op < 14; ++op) {
                const unsigned what = rng() % 5;
                if (what == 0) {
                    // Loads take the first two records of a three-record stream.
                    std::string fasta;
                    std::vector<std::string> reads;
                    for (int r = 0; r < 3; ++r) {
                        reads.push_back(RandomRead(rng, int(rng() % 400)));
                        fasta += ">r\n" + reads.back() + "\n";
                    }
                    std::istringstream in(fasta);
                    if (rng() % 2) {
                        const int step = 1 + int(rng() % 3);
                        index.AddToHashMapSampled(in, 0, 1, step);
                        for (int r = 0; r < 2; ++r) model.AddRead(reads[size_t(r)], step, 0, 0, index.mMaxLocations);
                    } else {
                        index.AddToHashMapThinned(in, 0, 1, 3, 1);
                        for (int r = 0; r < 2; ++r) model.AddRead(reads[size_t(r)], 1, 3, 1, index.mMaxLocations);
                    }
                } else if (what == 1) {
                    const std::string read = RandomRead(rng, int(rng() % 120));
                    const int step = 1 + int(rng() % 2);
                    index.AddToHashMapSampled(Packed(read), 0, step);
                    model.AddRead(read, step, 0, 0, index.mMaxLocations);
                } else if (what == 2) {
                    const std::string read = RandomRead(rng, int(rng() % 120));
                    index.AddToHashMapThinned(Packed(read), 0, 2, 0);
                    model.AddRead(read, 1, 2, 0, index.mMaxLocations);
                } else if (what == 3) {
                    for (int j = 0; j < 30; ++j) {
                        const uint64_t v = rng() % 256;
                        const int pos = int(rng() % 100000) - 5;
                        index.AddLocation(Mer::FromValue(v), 0, pos);
                        model.Add(v, uint32_t(pos), index.mMaxLocations);
                    }
                } else if (max != INT_MAX) {
                    index.mMaxLocations = max + int(rng() % 3);  // the cap moves between adds
                }
                ExpectSame(index, model, "after operation " + std::to_string(op));
                if (HasFatalFailure()) return;
            }
        }
    }
}

// Progress lines of a load made after earlier adds: the bucket count of the
// built index, and the distinct k-mers before the reported read (earlier
// ones included).
TEST(MerIndexOrder, ProgressLineCountsEarlierAndLoadedKmers) {
    MerSizeScope k(4);
    SourceMerIndex index;
    index.AddLocation(Mer(std::string("TTTT")), 0, 7);  // not in the load
    index.AddLocation(Mer(std::string("ACGT")), 0, 9);  // also the load's first k-mer
    // Record i indexes only its first k-mer: ACGT, then from record 4000 on
    // CCCC, from 7000 on one of the 50 k-mers of values 200..249 in turn.
    std::string fasta;
    for (int i = 0; i < 10002; ++i) {
        std::string mer = "ACGT";
        if (i >= 4000) mer = "CCCC";
        if (i >= 7000) {
            Sequence s;
            Mer::FromValue(200 + uint64_t(i - 7000) % 50).ToSequence(s);
            mer.assign(s.mBases.begin(), s.mBases.end());
        }
        fasta += ">r\n" + mer + "A\n";
    }
    std::istringstream in(fasta);
    CoutCapture cap;
    index.AddToHashMapSampled(in, 0, 20000, 1);
    const size_t buckets = index.mMap.BucketCount();
    // Before read 5000: TTTT, ACGT, CCCC. Before read 10000: those and the 50.
    std::ostringstream want;
    want << "\t5000 reads (25005 bases) added.  Hash buckets: " << buckets << "  HashSize =3 LoadFactor="
         << float(3) / float(buckets) << "\n";
    want << "\t10000 reads (50005 bases) added.  Hash buckets: " << buckets << "  HashSize =53 LoadFactor="
         << float(53) / float(buckets) << "\n";
    EXPECT_EQ(cap.Text(), want.str());
    EXPECT_EQ(index.mMap.Size(), 53u);
    EXPECT_EQ(index.GetLocations(Mer(std::string("ACGT"))).front().mPos, 9u);
    EXPECT_EQ(index.GetLocations(Mer(std::string("ACGT"))).size(), 4001u);
}
