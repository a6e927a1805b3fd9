#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <unordered_set>

#include "KmerTestUtil.h"
#include "kmer/Mer.h"
#include "kmer/Sequence3Bit.h"
#include "sequence/Sequence.h"

namespace {

// Reference packing of a string of bases: base i in bits 2i, 2i+1.
uint64_t RefValue(const std::string& s) {
    uint64_t v = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        uint64_t code = 0;
        switch (s[i]) {
            case 'A': code = 0; break;
            case 'C': code = 1; break;
            case 'T': code = 2; break;
            case 'G': code = 3; break;
        }
        v |= code << (2 * i);
    }
    return v;
}

std::string RefReverseComplement(const std::string& s) {
    std::string r(s.rbegin(), s.rend());
    for (char& c : r) c = c == 'A' ? 'T' : c == 'T' ? 'A' : c == 'C' ? 'G' : 'C';
    return r;
}

std::string RandomBases(std::mt19937& rng, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += "ACGT"[rng() % 4];
    return s;
}

TEST(Mer, WorkedValueAtK4) {
    MerSizeScope k(4);
    Mer m(Plain("ACGT"));
    EXPECT_EQ(m.mLow, 180u);  // 0 + 1*4 + 3*16 + 2*64
    EXPECT_EQ(m.mHigh, 0u);
    Mer rc(m);
    rc.ReverseComplement();
    EXPECT_EQ(rc, m);  // ACGT is its own reverse complement
    EXPECT_EQ(MerSymmetricHashF()(m), MerHashF()(m));
}

TEST(Mer, EveryConstructorGivesTheSameValue) {
    std::mt19937 rng(7);
    for (int k : {1, 4, 15, 16, 17, 31, 32}) {
        MerSizeScope scope(k);
        for (int trial = 0; trial < 20; ++trial) {
            const std::string bases = RandomBases(rng, k + 5);
            const int start = int(rng() % 6);
            const std::string window = bases.substr(size_t(start), size_t(k));
            const uint64_t want = RefValue(window);
            std::string lower = window;
            for (char& c : lower) c = char(c | 0x20);
            bool bad = true;
            EXPECT_EQ(Mer(window).Value(), want);
            EXPECT_EQ(Mer(" " + lower + "\n").Value(), want);  // white space removed, case ignored
            EXPECT_EQ(Mer(Plain(window)).Value(), want);
            EXPECT_EQ(Mer(Plain(bases), start).Value(), want);
            EXPECT_EQ(Mer(Plain(bases), start, bad).Value(), want);
            EXPECT_FALSE(bad);
            const Sequence3Bit packed = Packed(bases);
            EXPECT_EQ(Mer(packed, start).Value(), want);
            bad = true;
            EXPECT_EQ(Mer(packed, start, bad).Value(), want);
            EXPECT_FALSE(bad);
        }
    }
}

TEST(Mer, HighWordHoldsBasesSixteenOn) {
    MerSizeScope k(32);
    const std::string s = std::string(16, 'A') + std::string(15, 'A') + "G";
    Mer m(s);
    EXPECT_EQ(m.mLow, 0u);
    EXPECT_EQ(m.mHigh, 3u << 30);  // the 32nd base in bits 30 and 31 of mHigh
}

TEST(Mer, ReverseComplementMatchesReferenceForEveryK) {
    std::mt19937 rng(11);
    for (int k = 1; k <= 32; ++k) {
        MerSizeScope scope(k);
        for (int trial = 0; trial < 10; ++trial) {
            const std::string s = RandomBases(rng, k);
            Mer m(s);
            m.ReverseComplement();
            EXPECT_EQ(m.Value(), RefValue(RefReverseComplement(s))) << "k=" << k << " " << s;
            if (k <= 16) {
                EXPECT_EQ(m.mHigh, 0u);
            }
            Mer back(std::string(size_t(k), 'A'));
            back.ReverseComplement(m);
            EXPECT_EQ(back.Value(), RefValue(s));
        }
    }
}

TEST(Mer, ReverseComplementWorkedValues) {
    {
        MerSizeScope k(32);
        Mer a(std::string(32, 'A'));
        a.ReverseComplement();
        EXPECT_EQ(a.mHigh, 0xAAAAAAAAu);
        EXPECT_EQ(a.mLow, 0xAAAAAAAAu);
        a.ReverseComplement(a);  // src may be this k-mer
        EXPECT_EQ(a.Value(), 0u);
    }
    struct Case {
        int k;
        const char* in;
        const char* out;
    } cases[] = {{4, "AAAC", "GTTT"},
                 {16, "ACGTTGCAAGGCTTAC", "GTAAGCCTTGCAACGT"},
                 {17, "ACGTTGCAAGGCTTACG", "CGTAAGCCTTGCAACGT"},
                 {32, "ACGTTGCAAGGCTTACGATCGGATCCTAGGCA", "TGCCTAGGATCCGATCGTAAGCCTTGCAACGT"}};
    for (const Case& c : cases) {
        MerSizeScope k(c.k);
        Mer m{std::string(c.in)};
        m.ReverseComplement();
        EXPECT_EQ(m, Mer(std::string(c.out))) << c.in;
    }
}

TEST(Mer, SymmetricFunctors) {
    MerSizeScope k(4);
    Mer a(std::string("AAAC")), b(std::string("GTTT")), c(std::string("AAAG"));
    EXPECT_TRUE(eqMerSymmetric()(a, b));
    EXPECT_TRUE(eqMerSymmetric()(b, a));
    EXPECT_TRUE(eqMerSymmetric()(a, a));
    EXPECT_FALSE(eqMerSymmetric()(a, c));
    EXPECT_EQ(MerSymmetricHashF()(a), MerSymmetricHashF()(b));
    EXPECT_EQ(MerHashF()(a), size_t(a.mHigh ^ a.mLow));
    // The smaller of the two orientations decides: AAAC (64) < GTTT.
    EXPECT_EQ(MerSymmetricHashF()(b), MerHashF()(a));

    MerSizeScope k32(32);
    std::mt19937 rng(3);
    for (int trial = 0; trial < 50; ++trial) {
        const std::string s = RandomBases(rng, 32);
        Mer m(s), r(RefReverseComplement(s));
        EXPECT_EQ(MerSymmetricHashF()(m), MerSymmetricHashF()(r));
        EXPECT_TRUE(eqMerSymmetric()(m, r));
    }
}

TEST(Mer, BadFlagOnNXAndHighCodes) {
    MerSizeScope k(4);
    struct Case {
        const char* text;
        bool bad;
    } plain[] = {{"ACNGT", true}, {"acgta", false}, {"AC-GT", false}, {"ACxGT", true}, {"nCGT", true}};
    for (const Case& c : plain) {
        bool bad = !c.bad;
        Mer m(Plain(c.text), 0, bad);
        EXPECT_EQ(bad, c.bad) << c.text;
    }
    bool bad = false;
    EXPECT_EQ(Mer(Plain("AC-G"), 0, bad).Value(), RefValue("ACTG"));  // the dash packs as T
    Mer cut(Plain("ACNG"), 0, bad);
    EXPECT_TRUE(bad);
    EXPECT_EQ(cut.Value(), RefValue("AC"));  // the bases before the N

    Sequence3Bit packed = Packed("ACKGT");
    Mer p(packed, 0, bad);
    EXPECT_TRUE(bad);
    EXPECT_EQ(Mer(packed, 0).Value(), RefValue("ACCG"));  // K (code 5) packs as C
    EXPECT_EQ(Mer(Packed("ANXG"), 0).Value(), RefValue("AGAG"));
    Mer(Packed("ACGTACGN"), 4, bad);
    EXPECT_TRUE(bad);
    Mer(Packed("ACGTACGN"), 3, bad);
    EXPECT_FALSE(bad);
}

TEST(Mer, SizeErrorsAreReported) {
    MerSizeScope k(32);
    const std::string head = "Error.  Attempt to init Mer with different sized sequence.\n";
    const Sequence twenty = Plain(std::string(20, 'A'));
    const Sequence3Bit packed = Packed(std::string(20, 'C'));
    struct Case {
        std::function<Mer()> make;
        std::string text;
    } cases[] = {
        {[] { return Mer(std::string("ACGT")); }, head + "Seq.size=4 MerSize=32\n"},
        {[&] { return Mer(twenty); }, head + "Seq.size=20 MerSize=32\n"},
        {[&] { return Mer(twenty, 5); }, head + "diff=15\nSeq.size=20\tmerStart=5 MerSize=32\n"},
        {[&] {
             bool bad = true;
             Mer m(twenty, 5, bad);
             EXPECT_FALSE(bad);
             return m;
         },
         head + "diff=15\nSeq.size=20\tmerStart=5 MerSize=32\n"},
        {[&] { return Mer(packed, 3); }, head + "Seq.size=20merStart=3 MerSize=32\n"},
        {[&] {
             bool bad = true;
             Mer m(packed, 3, bad);
             EXPECT_FALSE(bad);
             return m;
         },
         head + "Seq.size=20 MerStart=3 MerSize=32\n"},
    };
    for (const Case& c : cases) {
        CoutCapture cap;
        Mer m = c.make();
        EXPECT_EQ(cap.Text(), c.text);
        EXPECT_EQ(m.Value(), 0u);
    }
}

TEST(Mer, ToSequenceSpellsLowerCase) {
    MerSizeScope k(4);
    Sequence s = Plain("XXXXXXXX");
    s.mName = "n";
    Mer(std::string("ACGT")).ToSequence(s);
    EXPECT_EQ(std::string(s.mBases.begin(), s.mBases.end()), "acgt");
    EXPECT_EQ(s.mName, "n");
    EXPECT_EQ(Mer::Bit2Base(4), '?');
}

TEST(Mer, SubsetNumber) {
    {
        MerSizeScope k(32);
        // Bases 0,1 = C,G (1 + 3*4 = 13), base 16 = T (2), base 17 = C (low bit 1 -> +4).
        std::string s = "CG" + std::string(14, 'A') + "TC" + std::string(14, 'A');
        Mer m(s);
        const unsigned expected = (2u + 4u) + 8u * 13u;
        for (unsigned sub = 0; sub < 128; ++sub) EXPECT_EQ(m.InSubset(sub), sub == expected);
        EXPECT_TRUE(Mer(std::string(32, 'A')).InSubset(0));
    }
    MerSizeScope k(8);
    EXPECT_TRUE(Mer(std::string("AAGTCGTC")).InSubset(0));
    EXPECT_TRUE(Mer(std::string("TAGTCGTC")).InSubset(16));
}

TEST(Mer, LengthsOutsideOneToThirtyTwoStaySafe) {
    for (int k : {0, -3, 33, 64, 1000}) {
        MerSizeScope scope(k);
        CoutCapture cap;
        const Sequence s = Plain(std::string(40, 'G'));
        bool bad;
        Mer a(s, 2, bad);
        Mer b(Packed(std::string(40, 'G')), 1, bad);
        a.ReverseComplement();
        b.ReverseComplement(a);
        MerSymmetricHashF()(a);
        Sequence out;
        a.ToSequence(out);
        EXPECT_LE(a.Value(), ~uint64_t(0));
    }
}

}  // namespace
