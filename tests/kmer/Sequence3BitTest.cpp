#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "KmerTestUtil.h"
#include "kmer/Sequence3Bit.h"
#include "sequence/Sequence.h"

namespace {

TEST(Sequence3Bit, EncodesEveryCharacterByItsBits) {
    struct Case {
        char c;
        unsigned code;
    } cases[] = {{'A', 0}, {'a', 0}, {'C', 1}, {'c', 1}, {'T', 2}, {'t', 2}, {'G', 3}, {'g', 3},
                 {'X', 4}, {'x', 4}, {'N', 7}, {'n', 7}, {'U', 2}, {'R', 1}, {'S', 1}, {'W', 3},
                 {'Y', 4}, {'H', 4}, {'K', 5}, {'*', 5}, {'M', 6}, {'-', 6}, {'\r', 6}, {'?', 7},
                 {'.', 7}, {' ', 0}, {'\t', 4}, {'0', 0}, {'1', 0}, {'2', 1}, {'3', 1}, {'4', 2},
                 {'5', 2}, {'6', 3}, {'7', 3}, {'8', 4}, {'9', 4}};
    for (const Case& k : cases) {
        const char s[2] = {k.c, 0};
        Sequence3Bit r = Packed(s);
        ASSERT_EQ(r.mBaseSize, 1);
        EXPECT_EQ(r.Code(0), k.code) << "character code " << int(k.c);
    }
}

TEST(Sequence3Bit, DecodesUpperCase) {
    const char expected[] = {'A', 'C', 'T', 'G', 'X', '?', '?', 'N', '?'};
    for (unsigned code = 0; code < 9; ++code) EXPECT_EQ(Sequence3Bit::Bit2Base(code), expected[code]);
}

TEST(Sequence3Bit, PacksTenBasesPerWordLowBitsFirst) {
    Sequence3Bit r = Packed("acgtn");
    EXPECT_EQ(Codes(r), "01327");
    EXPECT_EQ(Letters(r), "ACGTN");
    EXPECT_EQ(r.mWords[0], 0u | 1u << 3 | 3u << 6 | 2u << 9 | 7u << 12);

    Sequence3Bit ten = Packed("NNNNNNNNNN");
    EXPECT_EQ(ten.mSlot, 10);
    EXPECT_EQ(ten.mWordIndex, 0);
    ASSERT_EQ(ten.mWords.size(), 1u);
    EXPECT_EQ(ten.mWords[0], 0x3FFFFFFFu);  // bits 30 and 31 stay clear

    ten.ConcatenateCString("G");  // the eleventh base opens the second word
    EXPECT_EQ(ten.mWordIndex, 1);
    EXPECT_EQ(ten.mSlot, 1);
    EXPECT_EQ(ten.mWords[1], 3u);
    EXPECT_EQ(ten.NumBases(), 11);
}

TEST(Sequence3Bit, CounterInvariantsHoldAcrossAppends) {
    Sequence3Bit r;
    EXPECT_EQ(r.mBaseSize, 0);
    EXPECT_EQ(r.mSlot, 0);
    EXPECT_EQ(r.mWordIndex, 0);
    std::string all;
    for (int len : {1, 9, 1, 10, 13, 0, 27}) {
        const std::string piece(len, "ACGTN"[len % 5]);
        r.ConcatenateCString(piece.c_str());
        all += piece;
        const int n = int(all.size());
        EXPECT_EQ(r.mBaseSize, n);
        EXPECT_EQ(r.mWordIndex, (n - 1) / 10);
        EXPECT_EQ(r.mSlot, n - 10 * r.mWordIndex);
    }
    EXPECT_EQ(Letters(r), all);
}

TEST(Sequence3Bit, BlankIsABaseButStopsTheLowQualityAppend) {
    EXPECT_EQ(Letters(Packed("AC GT")), "ACAGT");
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {{"AC GT", "AC"}, {"ACGTacgt", "ACGT"}, {"acgt", ""}, {"AC\tGT\r\n", "ACXGT??"}, {"", ""}};
    for (const Case& c : cases) {
        Sequence3Bit r;
        r.ConcatenateCStringTrimLowQual(c.in);
        std::string letters = Letters(r);
        EXPECT_EQ(letters, c.out) << c.in;
    }
}

TEST(Sequence3Bit, InitRewritesStaleWords) {
    Sequence3Bit r = Packed("GGGGGGGGGGGG");
    r.mName = "keep";
    r.Init();
    EXPECT_EQ(r.NumBases(), 0);
    EXPECT_EQ(r.mName, "keep");
    r.ConcatenateCString("ACA");
    EXPECT_EQ(Letters(r), "ACA");
}

TEST(Sequence3Bit, SetReplacesOneSlotAndAddsAWordAtTheEnd) {
    Sequence3Bit r = Packed("AAAA");
    r.Set(0, 2, 'G');
    EXPECT_EQ(Codes(r), "0030");
    r.Set(1, 9, 'N');
    ASSERT_EQ(r.mWords.size(), 2u);
    EXPECT_EQ(r.mWords[1], 7u << 27);
    EXPECT_EQ(r.mBaseSize, 4);  // counters untouched
}

TEST(Sequence3Bit, OnlyBasesAndContainsNXAreExactNegations) {
    Sequence3Bit r = Packed("ACNGT");
    struct Case {
        int start, len;
        bool only;
    } cases[] = {{0, 0, true}, {0, 2, true}, {0, 3, false}, {3, 100, true}, {2, 100, false},
                 {5, 3, true}, {-4, 6, true}, {-4, 7, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(r.OnlyBases(c.start, c.len), c.only) << c.start << "," << c.len;
        EXPECT_EQ(r.ContainsNX(c.start, c.len), !c.only) << c.start << "," << c.len;
    }
    EXPECT_FALSE(Packed("AKA").OnlyBases(0, 3));  // code 5
    EXPECT_FALSE(Packed("AMA").OnlyBases(0, 3));  // code 6
}

TEST(Sequence3Bit, ReverseAndReverseComplement) {
    Sequence3Bit r = Packed("ACGTN");
    r.mName = "src";
    Sequence3Bit rev;
    rev.mName = "old";
    rev.mDescription = "old";
    r.Reverse(rev);
    EXPECT_EQ(Letters(rev), "NTGCA");
    EXPECT_EQ(rev.mName, "");
    EXPECT_EQ(rev.mDescription, "");

    Sequence3Bit rc;
    r.ReverseComplement(rc);
    EXPECT_EQ(Letters(rc), "NACGT");

    Sequence3Bit into = Packed("AA");
    into.mName = "kept";
    r.ReverseComplement(into);
    EXPECT_EQ(Letters(into), "AANACGT");
    EXPECT_EQ(into.mName, "kept");

    // Codes 5 and 6 travel as '?' and come back as N; X stays X.
    Sequence3Bit k = Packed("AKMXG");
    k.Reverse(k);  // in place
    EXPECT_EQ(Letters(k), "GXNNA");
    Sequence3Bit krc;
    Packed("AKMXG").ReverseComplement(krc);
    EXPECT_EQ(Letters(krc), "CXNNT");
}

TEST(Sequence3Bit, ReverseComplementSpansWords) {
    const std::string s = "ACGTTGCAAGGCTTANNACGTACCGTAGGT";
    Sequence3Bit rc;
    Packed(s).ReverseComplement(rc);
    Sequence text = Plain(s);
    text.ReverseComplement();
    EXPECT_EQ(Letters(rc), std::string(text.mBases.begin(), text.mBases.end()));
    EXPECT_EQ(rc.mWordIndex, 2);
}

TEST(Sequence3Bit, ConcatenateCopiesCodesAndSequenceResidues) {
    Sequence3Bit a = Packed("ACK");
    Sequence3Bit b = Packed("GT");
    b.Concatenate(a);
    EXPECT_EQ(Codes(b), "32015");
    b.Concatenate(b);
    EXPECT_EQ(Codes(b), "3201532015");
    Sequence s = Plain("acgtN");
    Sequence3Bit c;
    c.ConcatenateSequence(s);
    EXPECT_EQ(Letters(c), "ACGTN");
}

TEST(Sequence3Bit, GetSubSequenceClampsAndLabels) {
    Sequence3Bit r = Packed(std::string(100, 'C'));
    r.mName = "r1";
    r.mDescription = "d";
    Sequence3Bit dest;
    r.GetSubSequence(dest, -5, 1000);
    EXPECT_EQ(dest.NumBases(), 100);
    EXPECT_EQ(dest.mName, "r1");
    EXPECT_EQ(dest.mDescription, "d[0,99]");

    Sequence3Bit part = Packed("TTT");
    part.mName = "before";
    part.mDescription = "desc";
    r.GetSubSequence(part, 10, 5);
    EXPECT_EQ(part.NumBases(), 0);
    EXPECT_EQ(part.mName, "before");
    EXPECT_EQ(part.mDescription, "desc");
    r.GetSubSequence(part, 0, -1);
    EXPECT_EQ(part.mName, "before");

    Sequence3Bit mixed = Packed("AKGMTN");
    mixed.mName = "m";
    mixed.GetSubSequence(mixed, 1, 5);  // into itself; codes 5 and 6 are dropped
    EXPECT_EQ(Letters(mixed), "GTN");
    EXPECT_EQ(mixed.mDescription, "[1,5]");
    EXPECT_EQ(mixed.mName, "m");
}

TEST(Sequence3Bit, PrintBreaksAfterEveryFiftiethIndex) {
    std::string s;
    for (int i = 0; i < 102; ++i) s += "ACGT"[i % 4];
    std::ostringstream os;
    Packed(s).Print(os);
    EXPECT_EQ(os.str(), s.substr(0, 51) + "\n" + s.substr(51, 50) + "\n" + s.substr(101));

    std::ostringstream none;
    CoutCapture cap;
    Sequence3Bit().Print(none);
    EXPECT_EQ(cap.Text(), "No sequence\n");
    EXPECT_EQ(none.str(), "");
}

TEST(Sequence3Bit, BugLine) {
    CoutCapture cap;
    Packed("ACG").Bug(7);
    EXPECT_EQ(cap.Text(), "You've found a bug n=7 mBaseSize=3\n");
}

TEST(Sequence3Bit, CopiesAreDeep) {
    Sequence3Bit a = Packed("ACGT");
    a.mName = "a";
    Sequence3Bit b = a;
    b.ConcatenateCString("GG");
    EXPECT_EQ(Letters(a), "ACGT");
    EXPECT_EQ(Letters(b), "ACGTGG");
    EXPECT_EQ(b.mName, "a");
    Sequence3BitVector v;
    v.mSeqs.resize(2);
    v.mSeqs[1] = a;
    EXPECT_EQ(v.mSeqs[0].NumBases(), 0);
    EXPECT_EQ(Letters(v.mSeqs[1]), "ACGT");
}

}  // namespace
