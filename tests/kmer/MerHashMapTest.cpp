#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "KmerTestUtil.h"
#include "kmer/MerHashMap.h"
#include "text/Globals.h"

namespace {

using Hits = MerSearchResultVec<SingleSourceMerLocation>;

std::vector<int> Positions(const SourceMerIndex& index, const std::string& mer) {
    std::vector<int> out;
    for (const SingleSourceMerLocation& l : index.GetLocations(Mer(mer))) out.push_back(int(l.mPos));
    return out;
}

// Every stored (k-mer value, position), by walking each read's k-mers.
std::vector<int> AllPositions(const SourceMerIndex& index, const Sequence3Bit& read) {
    std::vector<int> out;
    for (int pos = 0; pos + Mer::mMerSize <= read.mBaseSize; ++pos) {
        bool bad;
        Mer m(read, pos, bad);
        if (bad) continue;
        for (const SingleSourceMerLocation& l : index.GetLocations(m))
            if (int(l.mPos) == pos) out.push_back(pos);
    }
    return out;
}

void Load(SourceMerIndex& index, const std::string& fasta, int first, int last, int step) {
    std::istringstream in(fasta);
    index.AddToHashMapSampled(in, first, last, step);
}

std::string RandomBases(std::mt19937& rng, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "ACGT"[rng() % 4];
    return s;
}

TEST(MerHashMap, StartsEmptyKeepingEveryLocation) {
    SourceMerIndex index;
    EXPECT_EQ(index.mMaxLocations, INT_MAX);
    EXPECT_EQ(index.mMap.Size(), 0u);
    EXPECT_GE(index.mMap.BucketCount(), 100u);
    EXPECT_TRUE(index.mReads.mSeqs.empty());
    EXPECT_TRUE(index.mReadNames.empty());
    EXPECT_TRUE(index.mReadSizes.empty());
}

TEST(MerHashMap, SampledPositionsStopBeforeTheLastStart) {
    MerSizeScope k(32);
    std::mt19937 rng(1);
    const std::string read = RandomBases(rng, 40);
    struct Case {
        int step;
        std::vector<int> positions;
    } cases[] = {{1, {0, 1, 2, 3, 4, 5, 6, 7}}, {3, {0, 3, 6}}, {7, {0, 7}}, {100, {0}}};
    for (const Case& c : cases) {
        SourceMerIndex index;
        Load(index, ">r\n" + read + "\n", 0, 1, c.step);
        ASSERT_GE(index.mReads.mSeqs.size(), 1u);
        EXPECT_EQ(AllPositions(index, index.mReads.mSeqs[0]), c.positions) << "step " << c.step;
        EXPECT_EQ(index.mMap.NumLocations(), c.positions.size());
        EXPECT_TRUE(index.GetLocations(Mer(read.substr(8, 32))).empty());  // the last start
    }
    SourceMerIndex tiny;
    Load(tiny, ">r\n" + read.substr(0, 32) + "\n", 0, 0, 1);  // at most k bases: nothing
    EXPECT_EQ(tiny.mMap.Size(), 0u);
}

TEST(MerHashMap, KmersWithNXOrOddCodesAreNotIndexed) {
    MerSizeScope k(4);
    SourceMerIndex index;
    Load(index, ">r\nACGTNACGTAKACGTTTMGGCA\n", 0, 0, 1);
    // ACGT at 0 and 5 (positions 10.. hold K, 18 holds M); k-mers covering them are skipped.
    EXPECT_EQ(Positions(index, "ACGT"), (std::vector<int>{0, 5, 11}));
    EXPECT_TRUE(Positions(index, "CGTN").empty());
    EXPECT_TRUE(Positions(index, "TAKA").empty());
    EXPECT_EQ(Positions(index, "GGCA").size(), 0u);  // the last start of the read
    EXPECT_EQ(Positions(index, "TTTM").size(), 0u);
    EXPECT_EQ(AllPositions(index, index.mReads.mSeqs[0]), (std::vector<int>{0, 5, 6, 11, 12, 13}));
}

TEST(MerHashMap, RepeatedKmerHitsInStoredOrder) {
    MerSizeScope k(4);
    SourceMerIndex index;
    //          0    5    10   15   20
    Load(index, ">r\nGGGGGACGTCCCCCCCACGTGGGG\n", 0, 0, 1);
    Hits out;
    out.push_back({SingleSourceMerLocation::FromWord(77), 1, 1, 0});  // appended after what is there
    index.FindMerLocations(Plain("TTACGTT"), 2, out);
    ASSERT_EQ(out.size(), 3u);
    for (size_t j = 1; j < 3; ++j) {
        EXPECT_EQ(out[j].mQueryPos, 2);
        EXPECT_EQ(out[j].mCount, 2);
        EXPECT_EQ(out[j].mReserved, 0);
        EXPECT_EQ(out[j].mLocation.mRev, 0u);
    }
    EXPECT_EQ(out[1].mLocation.mPos, 5u);
    EXPECT_EQ(out[2].mLocation.mPos, 16u);
    EXPECT_EQ(out[0].mLocation.Word(), 77u);
}

TEST(MerHashMap, ReverseHitsCarryBitThirtyOne) {
    MerSizeScope k(4);
    SourceMerIndex index;
    Load(index, ">r\nGGGGGGGGGAACCGGGG\n", 0, 0, 1);  // AACC at 9
    Hits out;
    index.FindRevMerLocations(Plain("GGTT"), 0, out);  // reverse complement of GGTT is AACC
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].mLocation.Word(), 9u | 0x80000000u);
    EXPECT_EQ(out[0].mLocation.mPos, 9u);
    EXPECT_EQ(out[0].mLocation.mRev, 1u);
    EXPECT_EQ(out[0].mQueryPos, 0);
    EXPECT_EQ(out[0].mCount, 1);
    Hits fwd;
    index.FindMerLocations(Plain("GGTT"), 0, fwd);
    EXPECT_TRUE(fwd.empty());
}

TEST(MerHashMap, QueryNPacksAsG) {
    MerSizeScope k(4);
    SourceMerIndex index;
    Load(index, ">r\nAAAAACNGTAAAAACGGTAA\n", 0, 0, 1);
    Hits out;
    index.FindMerLocations(Plain("ACNG"), 0, out);  // looked up as ACGG, found at 13 only
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].mLocation.mPos, 13u);
}

TEST(MerHashMap, LookupOutsideTheQueryAppendsNothing) {
    MerSizeScope k(8);
    SourceMerIndex index;
    Load(index, ">r\nAAAAAAAAAAAAAAAAAAAAAA\n", 0, 0, 1);
    Hits out;
    CoutCapture cap;
    index.FindMerLocations(Plain("AAAAAA"), 0, out);
    index.FindRevMerLocations(Plain("TTTTTTTTTT"), 5, out);
    index.FindMerLocations(Plain("AAAAAAAAAA"), -1, out);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(cap.Text().find("Error.  Attempt to init Mer with different sized sequence.\ndiff=6\n"),
              std::string::npos);
}

TEST(MerHashMap, StreamLoadReadsTheAskedRecords) {
    MerSizeScope k(4);
    const std::string fasta = "junk line\n>r0 zero\nAAAACC\n>r1\nCCCCGGG\nG\n>r2\nTTTTTTTTT\n";
    struct Case {
        int first, last;
        std::vector<std::string> names;
        std::vector<int> sizes;
        size_t reads;
    } cases[] = {{0, 1, {"r0", "r1"}, {6, 8}, 2},
                 {1, 1, {"r1"}, {8}, 1},
                 {2, 5, {"r2"}, {9}, 4},  // the stream ends: three empty slots remain
                 {0, 0, {"r0"}, {6}, 1}};
    for (const Case& c : cases) {
        SourceMerIndex index;
        Load(index, fasta, c.first, c.last, 1);
        EXPECT_EQ(index.mReadNames, c.names) << c.first << ".." << c.last;
        EXPECT_EQ(index.mReadSizes, c.sizes) << c.first << ".." << c.last;
        ASSERT_EQ(index.mReads.mSeqs.size(), c.reads);
        for (size_t i = c.names.size(); i < c.reads; ++i) EXPECT_EQ(index.mReads.mSeqs[i].NumBases(), 0);
    }
    SourceMerIndex index;
    Load(index, fasta, 1, 1, 1);
    EXPECT_EQ(Positions(index, "CCCC"), std::vector<int>{0});
    EXPECT_TRUE(Positions(index, "AAAA").empty());
}

TEST(MerHashMap, MissingRecordGetsAnEmptyName) {
    MerSizeScope k(4);
    for (const char* fasta : {">a\nACGTACGT", "ACGTACGT\nTTGCA\n", ">a\nACGT\n"}) {
        SourceMerIndex index;
        Load(index, fasta, 1, 1, 1);  // there is no read 1
        EXPECT_EQ(index.mReadNames, std::vector<std::string>{""}) << fasta;
        EXPECT_EQ(index.mReadSizes, std::vector<int>{0}) << fasta;
        EXPECT_EQ(index.mMap.Size(), 0u);
    }
}

TEST(MerHashMap, OneRecordLeavesAnEmptySecondSlot) {
    MerSizeScope k(4);
    SourceMerIndex index;
    Load(index, ">only\nACGTACGT\n", 0, 1, 1);
    ASSERT_EQ(index.mReads.mSeqs.size(), 2u);
    EXPECT_EQ(index.mReads.mSeqs[0].NumBases(), 8);
    EXPECT_EQ(index.mReads.mSeqs[1].NumBases(), 0);
    EXPECT_EQ(index.mReadNames, std::vector<std::string>{"only"});
    EXPECT_EQ(index.mReadSizes, std::vector<int>{8});
}

TEST(MerHashMap, EmptyOrFailedStreamStoresAnEmptyRead) {
    MerSizeScope k(4);
    for (bool failed : {false, true}) {
        std::strcpy(gseqbuf2, ">stale header from before");
        SourceMerIndex index;
        if (failed) {
            std::ifstream missing("/nonexistent/kmer-missing.fa");
            index.AddToHashMapThinned(missing, 0, 1, 11, 0);
        } else {
            std::istringstream empty("");
            index.AddToHashMapSampled(empty, 0, 1, 1);
        }
        EXPECT_EQ(index.mReads.mSeqs.size(), 2u);
        EXPECT_EQ(index.mReadNames, std::vector<std::string>{""});
        EXPECT_EQ(index.mReadSizes, std::vector<int>{0});
        EXPECT_EQ(index.mMap.Size(), 0u);
    }
}

TEST(MerHashMap, LinesLongerThanTheBufferIndexLikeWrappedOnes) {
    MerSizeScope k(32);
    std::mt19937 rng(21);
    std::string bases(6000000, 'A');
    for (char& c : bases) c = "ACGTACGTACGTN"[rng() % 13];
    std::string wrapped = ">chr\n";
    for (size_t i = 0; i < bases.size(); i += 60) wrapped += bases.substr(i, 60) + "\n";
    SourceMerIndex a, b;
    Load(a, wrapped + ">plasmid\nACGT\n", 0, 1, 1);
    Load(b, ">chr\n" + bases + "\n>plasmid\nACGT\n", 0, 1, 1);
    EXPECT_EQ(a.mReadSizes, (std::vector<int>{6000000, 4}));
    EXPECT_EQ(b.mReadSizes, a.mReadSizes);
    EXPECT_EQ(b.mReadNames, a.mReadNames);
    EXPECT_EQ(b.mMap.Size(), a.mMap.Size());
    EXPECT_EQ(b.mMap.NumLocations(), a.mMap.NumLocations());
    EXPECT_TRUE(a.mReads.mSeqs[0].mWords == b.mReads.mSeqs[0].mWords);
    for (int pos = 0; pos < 6000000 - 32; pos += 99991) {
        const Sequence q = Plain(bases.substr(size_t(pos), 32));
        Hits ha, hb;
        a.FindMerLocations(q, 0, ha);
        b.FindMerLocations(q, 0, hb);
        ASSERT_EQ(ha.size(), hb.size());
        for (size_t j = 0; j < ha.size(); ++j) EXPECT_EQ(ha[j].mLocation, hb[j].mLocation);
    }
}

TEST(MerHashMap, ScanToReadNumber) {
    const std::string fasta = "pre\n" + std::string(50, 'x') + "\n>h0\nAC\n>h1 d\nGT\n";
    struct Case {
        int n;
        const char* buf;
        bool eof;
    } cases[] = {{-1, "pre", false}, {0, ">h0", false}, {1, ">h1 d", false}, {2, "", true}, {5, "", true}};
    for (const Case& c : cases) {
        std::istringstream in(fasta);
        std::vector<char> buf(20, 'Z');
        SourceMerIndex index;
        index.ScanToReadNumber(in, c.n, buf.data(), int(buf.size()));
        EXPECT_EQ(std::string(buf.data()), c.buf) << c.n;
        EXPECT_EQ(in.eof(), c.eof) << c.n;
    }
    // Nothing to read: the buffer is emptied so the next read parses no stale header.
    std::istringstream none("");
    none.get();
    char buf[8] = "stale";
    SourceMerIndex index;
    index.ScanToReadNumber(none, 0, buf, sizeof buf);
    EXPECT_EQ(buf[0], 0);
}

TEST(MerHashMap, StoredOrderIsLoadThenReadThenPosition) {
    MerSizeScope k(4);
    SourceMerIndex index;
    const std::string fasta = ">a\nTTACGTTACGTTT\n>b\nGACGTGG\n";
    Load(index, fasta, 0, 1, 1);
    Load(index, ">c\nACGTAACGTA\n", 0, 1, 1);
    Load(index, fasta, 0, 0, 1);
    EXPECT_EQ(Positions(index, "ACGT"), (std::vector<int>{2, 7, 1, 0, 5, 2, 7}));
    EXPECT_EQ(index.mReads.mSeqs.size(), 5u);
    EXPECT_EQ(index.mReadNames, (std::vector<std::string>{"a", "b", "c", "a"}));
    Hits out;
    index.FindMerLocations(Plain("ACGT"), 0, out);
    ASSERT_EQ(out.size(), 7u);
    EXPECT_EQ(out[3].mLocation.mPos, 0u);
    EXPECT_EQ(out[6].mCount, 7);
}

TEST(MerHashMap, MaxLocationsCapsAllButTheFirst) {
    MerSizeScope k(4);
    const std::string fasta = ">r\nACGTACGTACGTACGTA\n";  // ACGT at 0, 4, 8, 12
    struct Case {
        int max;
        std::vector<int> positions;
    } cases[] = {{INT_MAX, {0, 4, 8, 12}}, {3, {0, 4, 8}}, {1, {0}}, {0, {0}}, {-5, {0}}};
    for (const Case& c : cases) {
        SourceMerIndex index;
        index.mMaxLocations = c.max;
        Load(index, fasta, 0, 0, 1);
        EXPECT_EQ(Positions(index, "ACGT"), c.positions) << c.max;
    }
}

TEST(MerHashMap, AddLocationClearsBitThirtyOne) {
    MerSizeScope k(4);
    SourceMerIndex index;
    index.AddLocation(Mer(std::string("ACGT")), 0, -1);
    index.AddLocation(Mer(std::string("ACGT")), 3, 12);
    const MerLocationVecT<SingleSourceMerLocation> locs = index.GetLocations(Mer(std::string("ACGT")));
    ASSERT_EQ(locs.size(), 2u);
    EXPECT_EQ(locs[0].Word(), 0x7FFFFFFFu);
    EXPECT_EQ(locs[1].Word(), 12u);
}

TEST(MerHashMap, ThinnedKeepsKmersWhoseValuePassesTheModulus) {
    MerSizeScope k(8);
    std::mt19937 rng(17);
    const std::string read = RandomBases(rng, 3000);
    for (unsigned long long mod : {1ull, 11ull, 7ull}) {
        for (unsigned long long rem : {0ull, 3ull}) {
            SourceMerIndex index;
            std::istringstream in(">r\n" + read + "\n");
            index.AddToHashMapThinned(in, 0, 1, mod, rem);
            std::vector<int> want;
            for (int pos = 0; pos < int(read.size()) - 8; ++pos)
                if (Mer(read.substr(size_t(pos), 8)).Value() % mod == rem) want.push_back(pos);
            EXPECT_EQ(AllPositions(index, index.mReads.mSeqs[0]), want) << mod << " " << rem;
            EXPECT_EQ(index.mMap.NumLocations(), want.size());
        }
    }
    SourceMerIndex none;
    std::istringstream in(">r\n" + read + "\n");
    none.AddToHashMapThinned(in, 0, 1, 0, 0);  // no modulus: nothing indexed
    EXPECT_EQ(none.mMap.Size(), 0u);
}

TEST(MerHashMap, PerReadFormsAndOddParameters) {
    MerSizeScope k(4);
    SourceMerIndex index;
    index.AddToHashMapSampled(Packed("ACGTACGTAC"), 0, 2);
    EXPECT_EQ(Positions(index, "ACGT"), (std::vector<int>{0, 4}));
    index.AddToHashMapSampled(Packed("ACGTACGTAC"), 0, 0);  // no step: nothing
    index.AddToHashMapSampled(Packed("ACGTACGTAC"), 0, -3);
    EXPECT_EQ(index.mMap.NumLocations(), 3u);
    for (int bad : {0, 33, -1}) {
        MerSizeScope scope(bad);
        SourceMerIndex other;
        Load(other, ">r\nACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGT\n", 0, 1, 1);
        EXPECT_EQ(other.mMap.Size(), 0u);
        Hits out;
        other.FindMerLocations(Plain("ACGTACGTACGTACGTACGTACGTACGTACGTACGTACGTACGT"), 0, out);
        EXPECT_TRUE(out.empty());
    }
}

TEST(MerHashMap, ProgressLineAtEveryFiveThousandReads) {
    MerSizeScope k(4);
    std::string fasta;
    for (int i = 0; i < 10001; ++i) fasta += ">r" + std::to_string(i) + "\nACGTA\n";
    std::istringstream in(fasta);
    SourceMerIndex index;
    CoutCapture cap;
    index.AddToHashMapSampled(in, 0, 20000, 1);
    const size_t buckets = index.mMap.BucketCount();
    std::ostringstream want;
    want << "\t5000 reads (25005 bases) added.  Hash buckets: " << buckets << "  HashSize =1 LoadFactor="
         << float(1) / float(buckets) << "\n";
    want << "\t10000 reads (50005 bases) added.  Hash buckets: " << buckets << "  HashSize =1 LoadFactor="
         << float(1) / float(buckets) << "\n";
    EXPECT_EQ(cap.Text(), want.str());
    EXPECT_EQ(index.mReadNames.size(), 10001u);
    EXPECT_EQ(index.mReads.mSeqs.size(), 20001u);
    EXPECT_EQ(index.GetLocations(Mer(std::string("ACGT"))).size(), 10001u);

    std::string few;
    for (int i = 0; i < 5000; ++i) few += ">r\nAC\n";
    std::istringstream in2(few);
    CoutCapture cap2;
    SourceMerIndex quiet;
    quiet.AddToHashMapSampled(in2, 0, 10000, 1);
    EXPECT_EQ(cap2.Text(), "");
}

TEST(MerHashMap, ManyRepeatsKeepOrderThroughListGrowth) {
    MerSizeScope k(6);
    std::mt19937 rng(33);
    // A short alphabet of k-mers repeated many times: lists grow, move and reuse blocks.
    SourceMerIndex index;
    std::vector<std::vector<int>> want(4096);
    for (int load = 0; load < 3; ++load) {
        std::string read;
        for (int i = 0; i < 20000; ++i) read += "ACGT"[rng() % 4];
        read += "TTTTTT";
        std::istringstream in(">r\n" + read + "\n");
        index.AddToHashMapSampled(in, 0, 0, 1);
        for (int pos = 0; pos < int(read.size()) - 6; ++pos)
            want[Mer(read.substr(size_t(pos), 6)).Value()].push_back(pos);
    }
    for (uint64_t v = 0; v < 4096; ++v) {
        std::vector<int> got;
        for (const SingleSourceMerLocation& l : index.GetLocations(Mer::FromValue(v))) got.push_back(int(l.mPos));
        ASSERT_EQ(got, want[v]) << v;
    }
}

// The design target of the index: at most 16 bytes per indexed position on a
// real bacterial chromosome pair, everything counted (slots, lists, packed reads).
TEST(MerHashMap, KlebsiellaIndexStaysWithinSixteenBytesPerPosition) {
    MerSizeScope k(32);
    std::ifstream in(DataPath("NTUH-K2044.fa"));
    if (!in) GTEST_SKIP() << "NTUH-K2044.fa not fetched";
    SourceMerIndex index;
    index.AddToHashMapSampled(in, 0, 1, 1);
    ASSERT_EQ(index.mReadSizes.size(), 2u);
    size_t expected = 0;
    for (const Sequence3Bit& r : index.mReads.mSeqs)
        for (int pos = 0; pos < r.mBaseSize - 32; ++pos) expected += r.OnlyBases(pos, 32);
    EXPECT_EQ(index.mMap.NumLocations(), expected);
    EXPECT_GT(expected, 5000000u);
    EXPECT_LE(double(index.MemoryBytes()) / double(expected), 16.0);
}

// Lookups against a brute-force scan of the source on a real mitochondrial pair:
// every hit the index gives, and only those, in source order.
class MitoPairTest : public ::testing::TestWithParam<int> {};

std::string FastaBases(const std::string& text, int record) {
    std::string out;
    int r = -1;
    size_t p = 0;
    while (p < text.size()) {
        size_t e = text.find('\n', p);
        if (e == std::string::npos) e = text.size();
        if (text[p] == '>')
            ++r;
        else if (r == record)
            out.append(text, p, e - p);
        p = e + 1;
    }
    return out;
}

TEST_P(MitoPairTest, LookupsMatchABruteForceScan) {
    const int k = GetParam();
    MerSizeScope scope(k);
    std::string sourceText, queryText;
    if (!ReadFile(DataPath("human-mito.fa"), sourceText) || !ReadFile(DataPath("orang-mito.fa"), queryText))
        GTEST_SKIP() << "mitochondrial genomes not fetched";
    // Two records (human, then orang-utan) as the source.
    SourceMerIndex index;
    std::istringstream in(sourceText + queryText);
    index.AddToHashMapSampled(in, 0, 1, 1);
    const std::string src[2] = {FastaBases(sourceText, 0), FastaBases(queryText, 0)};
    ASSERT_EQ(index.mReadSizes, (std::vector<int>{int(src[0].size()), int(src[1].size())}));

    // Every source start that the index should hold: (read, position, packed value),
    // each value packed base by base; starts covering a non-base are left out.
    struct Start {
        uint32_t pos;
        uint64_t value;
    };
    auto code3 = [](char c) { return (uint8_t(c) >> 1) & 7u; };
    std::vector<Start> starts;
    for (const std::string& s : src) {
        for (int p = 0; p < int(s.size()) - k; ++p) {
            uint64_t v = 0;
            bool valid = true;
            for (int j = 0; j < k; ++j) {
                const unsigned c = code3(s[size_t(p + j)]);
                valid = valid && c < 4;
                v |= uint64_t(c & 3u) << (2 * j);
            }
            if (valid) starts.push_back({uint32_t(p), v});
        }
    }

    // Queries: the orang-utan genome, and its reverse complement so that reverse hits abound.
    std::string rc(src[1].rbegin(), src[1].rend());
    for (char& c : rc) c = Sequence::ComplementBase(c);
    size_t totalFwd = 0, totalRev = 0;
    for (const std::string& qs : {src[1], rc}) {
        const Sequence query = Plain(qs);
        for (int pos = 0; pos + k <= int(qs.size()); pos += 37) {
            uint64_t fv = 0, rv = 0;
            for (int j = 0; j < k; ++j) {
                fv |= uint64_t(code3(qs[size_t(pos + j)]) & 3u) << (2 * j);
                rv |= uint64_t((code3(qs[size_t(pos + k - 1 - j)]) & 3u) ^ 2u) << (2 * j);
            }
            std::vector<uint32_t> fwdWant, revWant;
            for (const Start& st : starts) {
                if (st.value == fv) fwdWant.push_back(st.pos);
                if (st.value == rv) revWant.push_back(st.pos | 0x80000000u);
            }
            Hits fwd, rev;
            index.FindMerLocations(query, pos, fwd);
            index.FindRevMerLocations(query, pos, rev);
            std::vector<uint32_t> fwdGot, revGot;
            for (const auto& h : fwd) {
                fwdGot.push_back(h.mLocation.Word());
                EXPECT_EQ(h.mQueryPos, pos);
                EXPECT_EQ(h.mCount, int(fwd.size()));
            }
            for (const auto& h : rev) {
                revGot.push_back(h.mLocation.Word());
                EXPECT_EQ(h.mQueryPos, pos);
                EXPECT_EQ(h.mCount, int(rev.size()));
            }
            ASSERT_EQ(fwdGot, fwdWant) << "k=" << k << " pos=" << pos;
            ASSERT_EQ(revGot, revWant) << "k=" << k << " pos=" << pos;
            totalFwd += fwd.size();
            totalRev += rev.size();
        }
    }
    EXPECT_GT(totalFwd, 400u);  // the query is the second source record
    EXPECT_GT(totalRev, 400u);
}

INSTANTIATE_TEST_SUITE_P(Ks, MitoPairTest, ::testing::Values(8, 15, 16, 17, 31, 32));

}  // namespace
