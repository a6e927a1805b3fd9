#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <utility>
#include <string>
#include <vector>

#include "fileio/FASTAFile.h"
#include "TestFiles.h"

namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* what;
    std::string text;
    bool result;
    std::vector<Rec> records;
};

const std::vector<ReadCase>& ReadCases()
{
    static const std::vector<ReadCase> cases = {
        {"two records, inner blank kept, one trailing blank dropped, no final newline",
         ">r1 first read\nACGT\nAC GT \n>r2\n\nTTTT", true,
         {{"r1", "first read", "ACGTAC GT"}, {"r2", "", "TTTT"}}},
        {"blanks around the name: only the one ending it is removed",
         ">  r3  x y  \nAC\n", true, {{"r3", " x y  ", "AC"}}},
        {"header that is only '>'", ">\nAC\n", true, {{"", "", "AC"}}},
        {"name delimiter is the last character", ">r1 \nA\n", true, {{"r1", "", "A"}}},
        {"tab delimits the name", ">r1\tsome\tthing\nA\n", true, {{"r1", "some\tthing", "A"}}},
        {"CRLF line ends: carriage returns are kept",
         ">r1 d\r\nAC\r\nGT\r\n>r2\r\nA\r\n", true,
         {{"r1", "d\r", "AC\rGT\r"}, {"r2\r", "", "A\r"}}},
        {"empty file", "", false, {}},
        {"only newlines", "\n\n\n", false, {}},
        {"file without a header line", "ACGT\nGG\n", false, {}},
        {"header only", ">only one\n", true, {{"only", "one", ""}}},
        {"header only, no newline", ">only", true, {{"only", "", ""}}},
        {"blank lines everywhere", "\n\n>a\n\nAC\n\n\nGT\n\n", true, {{"a", "", "ACGT"}}},
        {"lines before the first header are ignored", "GG\nTT\n>a\nAC", true, {{"a", "", "AC"}}},
        {"one trailing blank or tab per line is dropped",
         ">a\nAC\t\nGT  \n \n\t\t\nC \t\n", true, {{"a", "", "ACGT \tC "}}},
        {"every other character is kept as it is",
         ">a\nac-*12N.\nxX>\n", true, {{"a", "", "ac-*12N.xX>"}}},
        {"a NUL ends the text of its line",
         ">a b\0c\nAC\0GT\n\0TT\nGG\n"s, true, {{"a", "b", "ACGG"}}},
        {"empty records in between", ">a\n>b\n>c\nA\n", true,
         {{"a", "", ""}, {"b", "", ""}, {"c", "", "A"}}},
    };
    return cases;
}

TEST(FASTARead, StandardReaderOnStreamsAndFiles)
{
    TempDir dir;
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.what);
        FASTAFile f;
        SequenceVector fromStream;
        std::istringstream in(c.text);
        EXPECT_EQ(f.Read(in, fromStream), c.result);
        ExpectRecords(fromStream, c.records);

        const std::string path = dir.Path("case.fa");
        WriteText(path, c.text);
        SequenceVector fromFile;
        fromFile.GrowVec();   // earlier content is replaced
        testing::internal::CaptureStdout();
        EXPECT_EQ(f.Read(path, fromFile), c.result);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ExpectRecords(fromFile, c.records);
    }
}

TEST(FASTARead, GrowsPastThreeHundredRecords)
{
    std::string text;
    for (int i = 0; i < 1000; ++i) text += ">s" + std::to_string(i) + " d\n" + RandomBases(i % 7, i) + "\n";
    for (int count : {299, 300, 301, 601, 1000}) {
        std::string part;
        size_t pos = 0;
        for (int i = 0; i < count; ++i) pos = text.find('>', pos + 1);
        part = text.substr(0, pos);
        std::istringstream in(part);
        FASTAFile f;
        SequenceVector v;
        EXPECT_TRUE(f.Read(in, v));
        ASSERT_EQ(v.mSeqs.size(), static_cast<size_t>(count));
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(v.mSeqs[i].mName, "s" + std::to_string(i));
            ASSERT_EQ(Bases(v.mSeqs[i]), RandomBases(i % 7, i));
        }
    }
}

TEST(FASTARead, MissingFile)
{
    FASTAFile f;
    const std::string path = "/nonexistent-dir/missing.fa";
    SequenceVector v;
    v.GrowVec();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.Read(path, v));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent-dir/missing.fa file open failed (Read Multiple FASTA)\n");
    ASSERT_EQ(v.mSeqs.size(), 1u);   // untouched
    EXPECT_EQ(v.mSeqs[0].mDescription, "Empty");

    Sequence s;
    s.mName = "keep";
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.Read(path, s));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(s.mName, "keep");
}

TEST(FASTARead, FirstRecordIntoASequence)
{
    TempDir dir;
    FASTAFile f;
    Sequence s;
    std::istringstream in(">a x\nAC\n>b\nGG\n");
    EXPECT_TRUE(f.Read(in, s));
    EXPECT_EQ(s.mName, "a");
    EXPECT_EQ(s.mDescription, "x");
    EXPECT_EQ(Bases(s), "AC");

    const std::string path = dir.Path("two.fa");
    WriteText(path, ">b y z\nGG\nTT\n>c\nA\n");
    EXPECT_TRUE(f.Read(path, s));
    EXPECT_EQ(s.mName, "b");
    EXPECT_EQ(s.mDescription, "y z");
    EXPECT_EQ(Bases(s), "GGTT");

    // No record: s is left as it was.
    std::istringstream none("ACGT\n");
    EXPECT_FALSE(f.Read(none, s));
    EXPECT_EQ(s.mName, "b");
    EXPECT_EQ(Bases(s), "GGTT");
}

TEST(FASTARead, Append)
{
    FASTAFile f;
    SequenceVector v;
    std::istringstream a(">a\nAA\n");
    EXPECT_TRUE(f.Read(a, v));

    std::istringstream b(">b\nGG");
    EXPECT_TRUE(f.Append(b, v));
    ExpectRecords(v, {{"a", "", "AA"}, {"b", "", "GG"}});

    // Sequence lines before the stream's first header extend the last record.
    std::istringstream cc("CC\n");
    EXPECT_TRUE(f.Append(cc, v));
    ExpectRecords(v, {{"a", "", "AA"}, {"b", "", "GGCC"}});

    std::istringstream more("TT\n>c 1\nA\n>d\n");
    EXPECT_TRUE(f.Append(more, v));
    ExpectRecords(v, {{"a", "", "AA"}, {"b", "", "GGCCTT"}, {"c", "1", "A"}, {"d", "", ""}});

    // On an empty collection there is nothing to extend.
    SequenceVector empty;
    std::istringstream lone("CC\n");
    EXPECT_FALSE(f.Append(lone, empty));
    EXPECT_TRUE(empty.mSeqs.empty());
    std::istringstream lead("CC\n>x\nG\n");
    EXPECT_TRUE(f.Append(lead, empty));
    ExpectRecords(empty, {{"x", "", "G"}});

    // Many appended records grow the collection in steps.
    std::string many;
    for (int i = 0; i < 700; ++i) many += ">m" + std::to_string(i) + "\nA\n";
    std::istringstream big(many);
    EXPECT_TRUE(f.Append(big, v));
    ASSERT_EQ(v.mSeqs.size(), 704u);
    EXPECT_EQ(v.mSeqs[703].mName, "m699");
    EXPECT_EQ(v.mSeqs[3].mName, "d");
}

// Real files often hold a whole chromosome on one line.
TEST(FASTARead, LinesOfAnyLengthReadWhole)
{
    TempDir dir;
    const std::string big = RandomBases(6000000, 7);
    const std::string longHeader = "chrL " + std::string(2500000, 'h') + " end";
    const std::string path = dir.Path("long.fa");
    WriteText(path, ">chr1 six million bases\n" + big + "\n>" + longHeader + "\n" + big.substr(0, 4900) +
                        " \n>chr3\n" + big + " ");

    FASTAFile f;
    SequenceVector v;
    ASSERT_TRUE(f.Read(path, v));
    ASSERT_EQ(v.mSeqs.size(), 3u);
    EXPECT_EQ(v.mSeqs[0].mName, "chr1");
    EXPECT_EQ(v.mSeqs[0].mDescription, "six million bases");
    ASSERT_EQ(v.mSeqs[0].mBases.size(), big.size());
    EXPECT_TRUE(Bases(v.mSeqs[0]) == big);
    EXPECT_EQ(v.mSeqs[1].mName, "chrL");
    EXPECT_EQ(v.mSeqs[1].mDescription, longHeader.substr(5));
    EXPECT_EQ(Bases(v.mSeqs[1]), big.substr(0, 4900));
    EXPECT_TRUE(Bases(v.mSeqs[2]) == big);   // the trailing blank of the last line dropped
    // Capacity is given back once a record is complete.
    EXPECT_LE(v.mSeqs[0].mBases.capacity(), big.size() + big.size() / 8 + 64);

    Sequence first;
    ASSERT_TRUE(f.Read(path, first));
    EXPECT_TRUE(Bases(first) == big);

    // A '>' inside a long line, where the reader's 1 MiB block cuts the line,
    // is a residue like any other.
    const std::string cutAtMark = std::string(1 << 20, 'A') + ">CC";
    WriteText(path, ">a\n" + cutAtMark + "\n>b\nG\n");
    ASSERT_TRUE(f.Read(path, v));
    ASSERT_EQ(v.mSeqs.size(), 2u);
    EXPECT_TRUE(Bases(v.mSeqs[0]) == cutAtMark);
    EXPECT_EQ(v.mSeqs[1].mName, "b");
}

// A stream buffer over a string that cannot seek, like a pipe.
class PipeBuf : public std::streambuf {
public:
    explicit PipeBuf(std::string text) : mText(std::move(text))
    {
        setg(mText.data(), mText.data(), mText.data() + mText.size());
    }

private:
    std::string mText;
};

TEST(FASTARead, StreamsThatCannotSeek)
{
    const std::string big = RandomBases(3000000, 9);
    PipeBuf pipe(">a x\n" + big + "\n>b\nAC\n");
    std::istream in(&pipe);
    FASTAFile f;
    SequenceVector v;
    ASSERT_TRUE(f.Read(in, v));
    ASSERT_EQ(v.mSeqs.size(), 2u);
    EXPECT_TRUE(Bases(v.mSeqs[0]) == big);
    EXPECT_LE(v.mSeqs[0].mBases.capacity(), big.size() + big.size() / 8 + 64);
    EXPECT_EQ(Bases(v.mSeqs[1]), "AC");
}

TEST(FASTARead, ShortReadsDoNotKeepTheReservedCapacity)
{
    std::string text;
    for (int i = 0; i < 2000; ++i) text += ">r" + std::to_string(i) + "\n" + RandomBases(150, i) + "\n";
    std::istringstream in(text);
    FASTAFile f;
    SequenceVector v;
    ASSERT_TRUE(f.Read(in, v));
    ASSERT_EQ(v.mSeqs.size(), 2000u);
    for (const Sequence& s : v.mSeqs) ASSERT_LT(s.mBases.capacity(), 1000u);
}

}  // namespace
