#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>
#include <string>

#include "KmerTestUtil.h"
#include "kmer/Mer2IntMap.h"
#include "kmer/MerSet.h"
#include "text/Globals.h"

namespace {

std::set<std::string> Spelled(const MerSet& s) {
    std::set<std::string> out;
    for (const Mer& m : s.mMers) {
        Sequence q;
        m.ToSequence(q);
        out.insert(std::string(q.mBases.begin(), q.mBases.end()));
    }
    return out;
}

std::map<std::string, int> Counts(const Mer2IntMap& c) {
    std::map<std::string, int> out;
    for (const auto& e : c.mCounts) {
        Sequence q;
        e.first.ToSequence(q);
        out[std::string(q.mBases.begin(), q.mBases.end())] = e.second;
    }
    return out;
}

TEST(MerSet, AddsEveryValidKmerOfARead) {
    MerSizeScope k(4);
    struct Case {
        const char* read;
        std::set<std::string> mers;
    } cases[] = {{"ACGTA", {"acgt", "cgta"}},
                 {"ACGT", {"acgt"}},
                 {"ACNTACGT", {"tacg", "acgt"}},
                 {"ACG", {}},
                 {"ACGTACGT", {"acgt", "cgta", "gtac", "tacg"}},
                 {"AKGTTCAG", {"gttc", "ttca", "tcag"}}};
    for (const Case& c : cases) {
        MerSet s;
        s.Add(Packed(c.read));
        EXPECT_EQ(Spelled(s), c.mers) << c.read;
    }
}

TEST(MerSet, ContainsEitherOrientation) {
    MerSizeScope k(4);
    MerSet s;
    s.Add(Packed("AAAC"));
    EXPECT_TRUE(s.ContainsFWDREV(Mer(std::string("GTTT"))));
    EXPECT_TRUE(s.ContainsFWDREV(Mer(std::string("AAAC"))));
    EXPECT_FALSE(s.ContainsFWDREV(Mer(std::string("AAAG"))));
    EXPECT_EQ(s.mMers.size(), 1u);  // stored as added
    EXPECT_TRUE(s.mMers.count(Mer(std::string("AAAC"))));
}

TEST(MerSet, AddsEveryRecordOfAStream) {
    MerSizeScope k(4);
    std::strcpy(gseqbuf2, "ACGT stale line");  // the stream form starts from a primed buffer
    std::istringstream in(">a\nACGTA\n>b\nTTTTG\n>c\nNN\n");
    MerSet s;
    s.Add(in);
    EXPECT_EQ(Spelled(s), (std::set<std::string>{"acgt", "cgta", "tttt", "tttg"}));

    std::ifstream missing("/nonexistent/kmer-set.fa");
    MerSet none;
    none.Add(missing);  // ends at once
    EXPECT_TRUE(none.mMers.empty());
}

TEST(MerSet, ReadRepeatMersKeepsCountsAtOrAboveTheMinimum) {
    MerSizeScope k(32);
    const std::string as(32, 'A');
    struct Case {
        int minCount;
        size_t size;
    } cases[] = {{5, 1}, {7, 1}, {8, 0}};
    for (const Case& c : cases) {
        std::istringstream in(as + " 7\n");
        MerSet s;
        s.ReadRepeatMers(in, c.minCount);
        EXPECT_EQ(s.mMers.size(), c.size) << c.minCount;
    }
}

TEST(MerSet, ReadRepeatMersSkipsWordsOfTheWrongLength) {
    MerSizeScope k(4);
    std::istringstream in("ACGT 9\nACG 9\nTTTTT 9\nGGGG\t3\nCCCC 12 extra\n\n");
    MerSet s;
    CoutCapture cap;
    s.ReadRepeatMers(in, 0);  // minCount 0: the empty last line qualifies too
    EXPECT_EQ(Spelled(s), (std::set<std::string>{"acgt", "gggg", "cccc"}));
    const std::string err = "Error.  Attempt to init Mer with different sized sequence.\n";
    EXPECT_EQ(cap.Text(), err + "Seq.size=3 MerSize=4\n" + err + "Seq.size=5 MerSize=4\n" + err +
                              "Seq.size=0 MerSize=4\n" + err + "Seq.size=0 MerSize=4\n");  // the blank line and the end
}

TEST(MerSet, ReadRepeatMersProgressLine) {
    MerSizeScope k(4);
    std::string table;
    for (int i = 0; i < 500000; ++i) table += (i % 2 ? "ACGT 5\n" : "TTTT 1\n");
    std::istringstream in(table);
    MerSet s;
    CoutCapture cap;
    s.ReadRepeatMers(in, 2);
    EXPECT_EQ(cap.Text(), "500000 mers processed, 250000 mers with count >=2 added to kill set.\n");
    EXPECT_EQ(s.mMers.size(), 1u);
}

TEST(Mer2IntMap, CountsAKmerWithItsReverseComplement) {
    MerSizeScope k(4);
    Mer2IntMap c;
    c.Add(Packed("ACGTT"));
    c.Add(Packed("AACGT"));
    EXPECT_EQ(Counts(c), (std::map<std::string, int>{{"acgt", 2}, {"cgtt", 2}}));
    EXPECT_EQ(c.mTotalMers, 4);
    c.Add(Mer(std::string("AACG")));
    EXPECT_EQ(Counts(c)["cgtt"], 3);
    EXPECT_EQ(c.mTotalMers, 5);
    c.Add(Packed("ACNTT"));  // no valid k-mer
    EXPECT_EQ(c.mTotalMers, 5);
}

TEST(Mer2IntMap, SubsetFollowsTheOrientationRead) {
    MerSizeScope k(4);
    // AAAC: subset 0 (first two bases AA); its reverse complement GTTT: 8*(3 + 2*4) = 88.
    Mer2IntMap zero, other;
    zero.Add(Packed("AAAC"), 0u);
    zero.Add(Packed("GTTT"), 0u);
    EXPECT_EQ(Counts(zero), (std::map<std::string, int>{{"aaac", 1}}));
    other.Add(Packed("GTTT"), 88u);
    EXPECT_EQ(Counts(other), (std::map<std::string, int>{{"gttt", 1}}));
    EXPECT_EQ(other.mTotalMers, 1);
}

TEST(Mer2IntMap, PrefixFormSkipsTheLastStart) {
    MerSizeScope k(4);
    Mer2IntMap c;
    std::string prefix = "ac";
    c.Add(Packed("ACGTAC"), prefix);
    EXPECT_EQ(Counts(c), (std::map<std::string, int>{{"acgt", 1}}));
    std::string empty;
    Mer2IntMap all;
    all.Add(Packed("ACGTAC"), empty);
    EXPECT_EQ(all.mTotalMers, 2);  // starts 0 and 1 only
}

TEST(Mer2IntMap, BeginsWithIgnoresCase) {
    Mer2IntMap c;
    struct Case {
        const char* prefix;
        const char* read;
        int start;
        bool result;
    } cases[] = {{"AcG", "ACGT", 0, true},  {"ACN", "ACNT", 0, true}, {"cg", "ACGT", 1, true},
                 {"cg", "ACGT", 0, false},  {"", "ACGT", 2, true},    {"gtA", "ACGT", 2, false},
                 {"?", "AKGT", 1, true},    {"x", "AXGT", 1, true}};
    for (const Case& k : cases) {
        std::string prefix = k.prefix;
        EXPECT_EQ(c.BeginsWith(prefix, Packed(k.read), k.start), k.result) << k.prefix << " " << k.read;
    }
}

TEST(Mer2IntMap, StreamFormsCountHighQualityBasesOnly) {
    MerSizeScope k(4);
    const std::string fasta = ">a\nacACGTTac\n>b\nAACGTgg\n>c\nnnnn\n";
    std::strcpy(gseqbuf2, "not a header");  // would stall an unprimed reader
    std::istringstream in(fasta);
    Mer2IntMap c;
    c.Add(in);
    EXPECT_EQ(Counts(c), (std::map<std::string, int>{{"acgt", 2}, {"cgtt", 2}}));
    EXPECT_EQ(c.mTotalMers, 4);

    std::istringstream in2(fasta);
    Mer2IntMap sub;
    sub.Add(in2, 8u * 1u);  // k-mers starting CA... none; starting with code pair (1, 0): CA
    EXPECT_EQ(sub.mTotalMers, 0);
    std::istringstream in3(fasta);
    Mer2IntMap sub0;
    sub0.Add(in3, 8u * 4u);  // first two bases A then C: 0 + 1*4 = 4
    EXPECT_EQ(Counts(sub0), (std::map<std::string, int>{{"acgt", 2}}));

    std::ifstream missing("/nonexistent/kmer-counts.fa");
    Mer2IntMap none;
    none.Add(missing);
    EXPECT_EQ(none.mTotalMers, 0);
}

TEST(Mer2IntMap, PrefixStreamFormReportsProgress) {
    MerSizeScope k(4);
    std::string fasta;
    for (int i = 0; i < 20000; ++i) fasta += ">r\nACGTACG\n";
    std::istringstream in(fasta);
    Mer2IntMap c;
    CoutCapture cap;
    c.Add(in, std::string("ac"));
    // Starts 0..2 of each read: ACGT only begins with ac (start 3, ACGT again, is the last start).
    EXPECT_EQ(cap.Text(), "20000 reads processed, size=1 TotalMers=20000\n");
    EXPECT_EQ(Counts(c), (std::map<std::string, int>{{"acgt", 20000}}));
}

TEST(Mer2IntMap, CountsMatchAReferenceOnARealGenome) {
    MerSizeScope k(12);
    std::string text;
    if (!ReadFile(DataPath("human-mito.fa"), text)) GTEST_SKIP() << "mitochondrial genome not fetched";
    std::istringstream in(text);
    Mer2IntMap c;
    c.Add(in);
    // Reference: canonical spelling (the smaller string of k-mer and reverse complement).
    std::string bases;
    std::istringstream lines(text);
    std::string line;
    // Each line up to its first low-quality (lower-case) character.
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == '>') continue;
        size_t q = 0;
        while (q < line.size() && !(line[q] & 0x20)) ++q;
        bases += line.substr(0, q);
    }
    std::map<std::string, int> want;
    int total = 0;
    for (size_t p = 0; p + 12 <= bases.size(); ++p) {
        std::string w = bases.substr(p, 12);
        if (w.find_first_not_of("ACGT") != std::string::npos) continue;
        std::string rc(w.rbegin(), w.rend());
        for (char& ch : rc) ch = Sequence::ComplementBase(ch);
        ++want[std::min(w, rc)];
        ++total;
    }
    EXPECT_EQ(c.mTotalMers, total);
    EXPECT_EQ(c.mCounts.size(), want.size());
    for (const auto& e : c.mCounts) {
        Sequence q;
        e.first.ToSequence(q);
        std::string w(q.mBases.begin(), q.mBases.end());
        for (char& ch : w) ch = char(ch & ~0x20);
        std::string rc(w.rbegin(), w.rend());
        for (char& ch : rc) ch = Sequence::ComplementBase(ch);
        EXPECT_EQ(e.second, want[std::min(w, rc)]) << w;
    }
}

}  // namespace
