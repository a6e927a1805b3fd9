#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fileio/FASTAFile.h"
#include "TestFiles.h"

namespace {

using namespace std::string_literals;

struct FilterCase {
    const char* what;
    std::string text;
    std::vector<Rec> records;   // the result is true whenever the file opens
};

TEST(FASTAFilterRead, KeepsOnlyBaseLettersAndTheWholeHeader)
{
    const std::vector<FilterCase> cases = {
        {"non-bases dropped, header kept whole", ">r1 d\nAC-GTN xz\n", {{"", "r1 d", "ACGTNx"}}},
        {"CRLF: carriage returns dropped from residues, kept in the header",
         ">r1 d\r\nAC\r\nGT\r\n", {{"", "r1 d\r", "ACGT"}}},
        {"two records, blank lines, no final newline", ">a\n\nac\n>b  x\n\nNNxX*\n\ntt",
         {{"", "a", "ac"}, {"", "b  x", "NNxXtt"}}},
        {"empty file", "", {}},
        {"file without a header line: lines have no record to go to", "ACGT\nGG\n", {}},
        {"lines before the first header are ignored", "ACGT\n>a\nC\n", {{"", "a", "C"}}},
        {"header only", ">h\n", {{"", "h", ""}}},
        {"a NUL ends the line", ">a\nAC\0GT\nT\n"s, {{"", "a", "ACT"}}},
        {"only '>'", ">\nAC\n", {{"", "", "AC"}}},
    };
    TempDir dir;
    for (const FilterCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = dir.Path("filter.fa");
        WriteText(path, c.text);
        FASTAFile f;
        SequenceVector v;
        v.GrowVec();
        testing::internal::CaptureStdout();
        EXPECT_TRUE(f.Read0(path, v));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ExpectRecords(v, c.records);
    }
}

TEST(FASTAFilterRead, MissingFile)
{
    FASTAFile f;
    SequenceVector v;
    v.GrowVec();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.Read0("/nonexistent-dir/missing.fa", v));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent-dir/missing.fa file open failed (Read Multiple FASTA)\n");
    EXPECT_TRUE(v.mSeqs.empty());

    Sequence s;
    s.mDescription = "keep";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.Read0("/nonexistent-dir/missing.fa", s));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent-dir/missing.fa file open failed (Read Multiple FASTA)\n");
    EXPECT_EQ(s.mDescription, "keep");
}

TEST(FASTAFilterRead, FirstRecordIntoASequence)
{
    TempDir dir;
    const std::string path = dir.Path("two.fa");
    WriteText(path, ">a 1\nAC\n>b\nGG\n");
    FASTAFile f;
    Sequence s;
    EXPECT_TRUE(f.Read0(path, s));
    EXPECT_EQ(s.mName, "");
    EXPECT_EQ(s.mDescription, "a 1");
    EXPECT_EQ(Bases(s), "AC");

    WriteText(path, "AC\n");
    EXPECT_TRUE(f.Read0(path, s));   // opens, no record: s unchanged
    EXPECT_EQ(s.mDescription, "a 1");
}

// GetLine holds at most 299999 characters of a line.
TEST(FASTAFilterRead, LongLines)
{
    TempDir dir;
    const std::string path = dir.Path("long.fa");
    const std::string fits = RandomBases(299999, 3);
    WriteText(path, ">a\n" + fits + "\n>b\nAC\n");
    FASTAFile f;
    SequenceVector v;
    testing::internal::CaptureStdout();
    EXPECT_TRUE(f.Read0(path, v));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    ExpectRecords(v, {{"", "a", fits}, {"", "b", "AC"}});

    // Longer: reading stops there, says so, keeps what was read and reports failure.
    const std::string tooLong = RandomBases(300005, 4);
    WriteText(path, ">a\nGG\n>b\n" + tooLong + "\nTT\n>c\nAC\n");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.Read0(path, v));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              path + ": line longer than 299999 characters, reading stopped there\n");
    ExpectRecords(v, {{"", "a", "GG"}, {"", "b", tooLong.substr(0, 299999)}});
}

}  // namespace
