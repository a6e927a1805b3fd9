#include "sequence/Sequence.h"

#include <gtest/gtest.h>

#include <climits>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

Sequence Seq(const std::string& bases, const std::string& name = "", const std::string& desc = "") {
    Sequence s;
    s.mBases.assign(bases.begin(), bases.end());
    s.mName = name;
    s.mDescription = desc;
    return s;
}

std::string Bases(const Sequence& s) { return std::string(s.mBases.begin(), s.mBases.end()); }

TEST(SequenceTest, DefaultAndCopiesAreDeep) {
    Sequence e;
    EXPECT_TRUE(e.mBases.empty() && e.mName.empty() && e.mDescription.empty());
    EXPECT_TRUE(e.mPadded2Depadded.empty() && e.mDepadded2Padded.empty());
    Sequence a = Seq("A*C", "n", "d");
    a.ComputeDepadded2Padded();
    Sequence b = a;
    EXPECT_EQ(b.mPadded2Depadded, (std::vector<int>{1, 1, 2}));
    EXPECT_EQ(b.mDepadded2Padded, a.mDepadded2Padded);
    b.mBases[0] = 'G';
    b.mName = "m";
    EXPECT_EQ(Bases(a), "A*C");
    EXPECT_EQ(a.mName, "n");
}

TEST(SequenceTest, ResidueTables) {
    const std::string bases = "ACGTacgt", nx = "ACGTNXacgtnx";
    for (int c = -128; c < 128; ++c) {
        char ch = static_cast<char>(c);
        bool inBases = c > 0 && bases.find(ch) != std::string::npos;
        bool inNX = c > 0 && nx.find(ch) != std::string::npos;
        EXPECT_EQ(Sequence::IsBase(ch), inBases) << c;
        EXPECT_EQ(Sequence::IsBaseNX(ch), inNX) << c;
        if (!inBases) {
            EXPECT_EQ(Sequence::ComplementBase(ch), ch) << c;
        }
    }
    const std::string from = "ACGTacgt", to = "TGCAtgca";
    for (size_t i = 0; i < from.size(); ++i) EXPECT_EQ(Sequence::ComplementBase(from[i]), to[i]);
}

TEST(SequenceTest, Transformations) {
    struct { std::string in; void (Sequence::*op)(); std::string out; } cases[] = {
        {"ACGTNacgtn*-X", &Sequence::Complement, "TGCANtgcan*-X"},
        {"AACg", &Sequence::ReverseComplement, "cGTT"},
        {"AACg", &Sequence::Reverse, "gCAA"},
        {"ACGTNX*-acgt", &Sequence::Nify, "ACGTnnnnacgt"},
        {"acgTn*", &Sequence::ToUpperCase, "ACGTN*"},
        {"ACgTN*", &Sequence::ToLowerCase, "acgtn*"},
        {"", &Sequence::ReverseComplement, ""},
    };
    for (auto& c : cases) {
        Sequence s = Seq(c.in, "n", "d");
        (s.*c.op)();
        EXPECT_EQ(Bases(s), c.out) << c.in;
        EXPECT_EQ(s.mName, "n");
    }
    Sequence withNul = Seq(std::string("A\0C", 3));
    withNul.ReverseComplement();
    EXPECT_EQ(Bases(withNul), std::string("G\0T", 3));
}

TEST(SequenceTest, TrimMasksWithoutRemoving) {
    struct { long left, right; std::string out; } cases[] = {
        {1, 6, "XXGTACXX"},
        {-1, 100, "ACGTACGT"},
        {-1, -1, "ACGTACGT"},
        {0, 7, "XCGTACGX"},
        {7, -5, "XXXXXXXX"},
        {100, -1, "XXXXXXXX"},      // left beyond the end: everything
        {-1, 0, "XXXXXXXX"},
        {LONG_MIN, LONG_MAX, "ACGTACGT"},
        {LONG_MAX, LONG_MIN, "XXXXXXXX"},
    };
    for (auto& c : cases) {
        Sequence s = Seq("ACGTACGT");
        s.Trim(c.left, c.right);
        EXPECT_EQ(Bases(s), c.out) << c.left << "," << c.right;
    }
    Sequence e;
    e.Trim(3, 0);
    EXPECT_TRUE(e.mBases.empty());
}

TEST(SequenceTest, SettingAndAppending) {
    Sequence s = Seq("NN");
    s.ConcatenateNonWhiteSpace("AC GT\t");
    EXPECT_EQ(Bases(s), "NNACGT");

    Sequence t = Seq("TT");
    std::string arg = " ac gt\n";
    t.InitFromString(arg);
    EXPECT_EQ(Bases(t), "TTacgt");
    EXPECT_EQ(arg, "acgt");

    Sequence u;
    u.ConcatenateStringSafe("AC-T");
    EXPECT_EQ(Bases(u), std::string("AC\0T", 4));
    u.ConcatenateStringSafe("nX");
    EXPECT_EQ(Bases(u), std::string("AC\0T\0\0", 6));

    Sequence v = Seq("GGG");
    v.InitFromCString("AC");
    EXPECT_EQ(Bases(v), "AC");
    char buf[] = "TT";
    v.InitFromCString(buf);
    EXPECT_EQ(Bases(v), "TT");
    v.ConcatenateCString("A\r");
    v.ConcatenateString("c g");
    EXPECT_EQ(Bases(v), "TTA\rc g");
    v.Concatenate(Seq("NN"));
    v.Concatenate(v);  // onto itself
    EXPECT_EQ(Bases(v), "TTA\rc gNNTTA\rc gNN");

    std::string out = "x";
    Seq("ACG").CopyToString(out);
    EXPECT_EQ(out, "xACG");
    char cbuf[5] = "zzzz";
    Seq("ACG").CopyToCString(cbuf);
    EXPECT_STREQ(cbuf, "ACG");
    Sequence().CopyToCString(cbuf);
    EXPECT_STREQ(cbuf, "");
}

TEST(SequenceTest, GetSubSequence) {
    struct { long from, to; std::string bases, desc; } cases[] = {
        {2, 4, "GTA", "d[2,4]"},
        {-5, 100, "ACGTACGT", "d[0,7]"},
        {5, 2, "", "old"},
        {0, -1, "", "old"},
        {8, 9, "", "old"},
        {7, 7, "T", "d[7,7]"},
        {LONG_MIN, LONG_MAX, "ACGTACGT", "d[0,7]"},
    };
    Sequence src = Seq("ACGTACGT", "r", "d");
    for (auto& c : cases) {
        Sequence out = Seq("stale", "oldname", "old");
        src.GetSubSequence(out, c.from, c.to);
        EXPECT_EQ(Bases(out), c.bases) << c.from << "," << c.to;
        EXPECT_EQ(out.mDescription, c.desc) << c.from << "," << c.to;
        EXPECT_EQ(out.mName, c.bases.empty() ? "oldname" : "r");
    }
    Sequence self = Seq("ACGTACGT", "r", "d");
    self.GetSubSequence(self, 1, 3);
    EXPECT_EQ(Bases(self), "CGT");
    EXPECT_EQ(self.mDescription, "d[1,3]");
}

TEST(SequenceTest, ContentTests) {
    struct { std::string s; bool upper, onlyBases; } cases[] = {
        {"ACGT", true, true}, {"BDEF", true, false}, {"ACGN", false, false},
        {"ACGX", false, false}, {"acgt", false, true}, {"", true, true}, {"@PW", true, false},
    };
    for (auto& c : cases) {
        Sequence s = Seq(c.s);
        EXPECT_EQ(s.OnlyUpperCaseBases(), c.upper) << c.s;
        EXPECT_EQ(s.ContainsOnlyBasesSafe(), c.onlyBases) << c.s;
    }
    Sequence s = Seq("ACnGT");
    EXPECT_TRUE(s.OnlyUpperCaseBases(0, 2));
    EXPECT_FALSE(s.OnlyUpperCaseBases(1, 2));
    EXPECT_TRUE(s.OnlyUpperCaseBases(2, 0));
    EXPECT_TRUE(s.ContainsOnlyBasesSafe(3, 2));
    EXPECT_FALSE(s.ContainsOnlyBasesSafe(0, 5));
    EXPECT_TRUE(s.ContainsNonBaseSafe(2, 1));
    EXPECT_FALSE(s.ContainsNonBaseSafe(3, 2));
    EXPECT_FALSE(s.ContainsNonBaseSafe(2, 0));
    EXPECT_FALSE(s.ContainsNonBaseSafe(2, -4));
    // Ranges reaching outside the sequence test only the part inside it.
    EXPECT_TRUE(s.ContainsOnlyBasesSafe(3, 1000));
    EXPECT_FALSE(s.ContainsNonBaseSafe(-10, 12));
    EXPECT_TRUE(s.ContainsNonBaseSafe(-10, 13));
    EXPECT_TRUE(s.OnlyUpperCaseBases(INT_MAX, INT_MAX));
    EXPECT_FALSE(s.ContainsNonBaseSafe(INT_MIN, INT_MAX));
    EXPECT_TRUE(s.ContainsNonBaseSafe(2, INT_MAX));
}

TEST(SequenceTest, GCStats) {
    struct { std::string s; int len, gc, cpg; std::string after; } cases[] = {
        {"ACGCGT", 6, 4, 2, "acgcgt"},
        {"C", 1, 1, 0, "c"},
        {"", 0, 0, 0, ""},
        {"cG-CG", 5, 4, 2, "cg-cg"},
        {"C-G", 3, 2, 0, "c-g"},
    };
    for (auto& c : cases) {
        Sequence s = Seq(c.s);
        int len = -1, gc = -1, cpg = -1;
        s.ComputeGCStats(len, gc, cpg);
        EXPECT_EQ(len, c.len) << c.s;
        EXPECT_EQ(gc, c.gc) << c.s;
        EXPECT_EQ(cpg, c.cpg) << c.s;
        EXPECT_EQ(Bases(s), c.after);
    }
}

TEST(SequenceTest, PadMapping) {
    Sequence s = Seq("A**CG-T");
    const int p2d[] = {1, 1, 1, 2, 3, 3, 4};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(s.Padded2Depadded(i), p2d[i]) << i;
    const int d2p[] = {0, 3, 4, 6};
    for (int c = 1; c <= 4; ++c) EXPECT_EQ(s.Depadded2Padded(c), d2p[c - 1]) << c;
    EXPECT_EQ(s.Padded2Depadded(-1), 0);
    EXPECT_EQ(s.Padded2Depadded(9), 7);
    EXPECT_EQ(s.Depadded2Padded(0), -1);
    EXPECT_EQ(s.Depadded2Padded(6), 8);

    // Leading pads: entry 0 is set.
    Sequence lead = Seq("-*AC");
    lead.ComputeDepadded2Padded();
    EXPECT_EQ(lead.mPadded2Depadded, (std::vector<int>{0, 0, 1, 2}));
    EXPECT_EQ(lead.mDepadded2Padded, (std::vector<int>{0, 2, 3}));

    // The linear extension saturates instead of overflowing.
    EXPECT_EQ(s.Padded2Depadded(INT_MAX), INT_MAX - 2);
    EXPECT_EQ(s.Padded2Depadded(INT_MIN), INT_MIN + 1);
    EXPECT_EQ(s.Depadded2Padded(INT_MIN), INT_MIN);
    EXPECT_EQ(s.Depadded2Padded(INT_MAX), INT_MAX);
    Sequence noPads = Seq("ACGT");
    EXPECT_EQ(noPads.Padded2Depadded(INT_MAX), INT_MAX);
    EXPECT_EQ(noPads.Depadded2Padded(INT_MAX), INT_MAX - 1);

    // Without pads the two are inverse: i <-> i + 1, extended linearly.
    Sequence plain = Seq("ACGT");
    for (int i = -3; i < 10; ++i) {
        EXPECT_EQ(plain.Padded2Depadded(i), i + 1) << i;
        EXPECT_EQ(plain.Depadded2Padded(i + 1), i) << i;
    }
}

TEST(SequenceTest, PadMappingOfEmptyAndChangedSequences) {
    Sequence e;
    e.ComputeDepadded2Padded();
    EXPECT_TRUE(e.mDepadded2Padded.empty());
    for (int i = -2; i < 4; ++i) {
        EXPECT_EQ(e.Padded2Depadded(i), i + 1) << i;
        EXPECT_EQ(e.Depadded2Padded(i + 1), i) << i;
    }
    Sequence pads = Seq("**");
    EXPECT_EQ(pads.Padded2Depadded(1), 0);
    EXPECT_EQ(pads.Depadded2Padded(0), -1);
    // The padded->depadded cache follows the length; growing the sequence rebuilds it.
    Sequence g = Seq("A-");
    EXPECT_EQ(g.Padded2Depadded(1), 1);
    g.ConcatenateString("CC");
    EXPECT_EQ(g.Padded2Depadded(3), 3);
    // The depadded->padded cache is kept once built, and stays within its entries.
    EXPECT_EQ(g.Depadded2Padded(1), 0);
    g.mBases.clear();
    EXPECT_EQ(g.Depadded2Padded(5), 5);  // built for A-CC: 3 + (5 - 3)
}

TEST(SequenceTest, Find) {
    Sequence s = Seq("ACGTAC");
    const char pat[] = "TAC";
    EXPECT_EQ(s.Find(pat, pat + 3), 3);
    EXPECT_EQ(s.Find(pat, pat), 0);  // empty pattern
    EXPECT_EQ(s.Find(pat + 3, pat), -1);  // reversed bounds: no pattern
    EXPECT_EQ(s.Find(Seq("AC")), 0);
    EXPECT_EQ(s.Find(Seq("ac")), -1);  // byte for byte
    EXPECT_EQ(s.Find(Seq("ACGTACG")), -1);
    EXPECT_EQ(Sequence().Find(Seq("")), -1);
    EXPECT_EQ(Seq(std::string("A\0C", 3)).Find(Seq(std::string("\0C", 2))), 1);
}

TEST(SequenceTest, FindEndOf) {
    struct { std::string pat; int r; bool rev; } cases[] = {
        {"ACC", 4, false},
        {"GGG", 5, true},
        {"GTG", -1, true},     // not found: the flag keeps its value
        {"aaaccc", 5, false},
        {"TTTGGG", -1, true},
    };
    for (auto& c : cases) {
        Sequence s = Seq("AAACCC");
        bool rev = true;
        Sequence pat = Seq(c.pat);
        EXPECT_EQ(s.FindEndOf(pat, rev), c.r) << c.pat;
        EXPECT_EQ(rev, c.rev) << c.pat;
        EXPECT_EQ(Bases(s), "aaaccc");
        EXPECT_EQ(Bases(pat), c.pat);  // the pattern is taken by copy
    }
}

TEST(SequenceTest, FindEndOfTag) {
    struct { std::string seq, tag; int start, end; long pos; bool rev; } cases[] = {
        {"GGAACTT", "AACCGT", 0, 3, 5, false},   // forward: just past the match
        {"CCGTTCC", "AACCGT", 0, 3, 2, true},    // reverse complement of AAC is GTT: its start
        {"CCACGGC", "AACCGT", 2, 6, 2, true},    // CCGT -> ACGG, the window reaching the tag's end
        {"TTTT", "AACCGT", 0, 3, -1, true},
        {"AACCGT", "AACCGT", 0, 6, 6, false},
        {"ACGGTT", "AACCGT", 0, 6, 0, true},
        {"ACGT", "AACCGT", 2, 2, 0, false},      // empty piece matches at 0
    };
    for (auto& c : cases) {
        Sequence s = Seq(c.seq);
        Sequence tag = Seq(c.tag);
        long pos = 99;
        bool rev = !c.rev;
        s.FindEndOfTag(tag, c.start, c.end, pos, rev);
        EXPECT_EQ(pos, c.pos) << c.seq << " " << c.start << "," << c.end;
        EXPECT_EQ(rev, c.rev) << c.seq << " " << c.start << "," << c.end;
        std::string lower = c.tag;
        for (char& ch : lower) ch = static_cast<char>(ch | 0x20);
        EXPECT_EQ(Bases(tag), lower);  // as it began, lower case
    }
    // Ranges outside the tag leave pos unchanged and clear the flag.
    struct { int start, end; } bad[] = {{0, 7}, {7, 7}, {-1, 3}, {0, -1}, {4, 2}, {INT_MIN, INT_MAX}};
    for (auto& b : bad) {
        Sequence s = Seq("AACCGT");
        Sequence tag = Seq("AACCGT");
        long pos = 99;
        bool rev = true;
        s.FindEndOfTag(tag, b.start, b.end, pos, rev);
        EXPECT_EQ(pos, 99) << b.start << "," << b.end;
        EXPECT_FALSE(rev);
    }
}

TEST(SequenceTest, PrintToStandardOutput) {
    struct { Sequence s; std::string text; } cases[] = {
        {Seq("ACGT", "r1", "x y"), "r1 x y\nACGT\n"},
        {Seq("ACGT", "r1", ""), "r1 \nACGT\n"},
        {Seq("", "", ""), " \n\n"},
    };
    for (auto& c : cases) {
        testing::internal::CaptureStdout();
        c.s.Print(std::cout);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.text);
    }
    std::ostringstream os;
    Seq("AC\rG").PrintSeq(os);
    EXPECT_EQ(os.str(), "AC\rG\n");
}

}  // namespace
