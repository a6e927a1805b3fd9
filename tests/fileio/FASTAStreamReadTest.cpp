#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fileio/FASTAFile.h"
#include "TestFiles.h"

namespace {

using namespace std::string_literals;

// Calls GetNextRead until the stream reaches end of file, as its callers do.
std::vector<Rec> ReadAll(const std::string& text, int size, std::vector<bool>* results = nullptr)
{
    std::istringstream in(text);
    std::vector<char> buf(static_cast<size_t>(size) + 1, 'z');
    buf[0] = '1';
    FASTAFile f;
    std::vector<Rec> out;
    for (int guard = 0; guard < 10000 && !in.eof(); ++guard) {
        Sequence s;
        const bool ok = f.GetNextRead(in, buf.data(), size, s);
        if (results != nullptr) results->push_back(ok);
        out.push_back({s.mName, s.mDescription, Bases(s)});
        if (!ok) break;
        EXPECT_EQ(buf[static_cast<size_t>(size)], 'z') << "wrote past the buffer";
    }
    return out;
}

void ExpectRecs(const std::vector<Rec>& got, const std::vector<Rec>& expected)
{
    ASSERT_EQ(got.size(), expected.size());
    for (size_t i = 0; i < got.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(got[i].name, expected[i].name);
        EXPECT_EQ(got[i].description, expected[i].description);
        EXPECT_EQ(got[i].bases, expected[i].bases);
    }
}

TEST(FASTAStreamRead, OneRecordPerCall)
{
    std::istringstream in(">a x\nAC\nGT\n>b\nTT\n");
    char buf[100];
    buf[0] = '1';
    FASTAFile f;
    Sequence s;
    EXPECT_TRUE(f.GetNextRead(in, buf, sizeof buf, s));
    EXPECT_EQ(s.mName, "a");
    EXPECT_EQ(s.mDescription, "x");
    EXPECT_EQ(Bases(s), "ACGT");
    EXPECT_STREQ(buf, ">b");
    EXPECT_TRUE(f.GetNextRead(in, buf, sizeof buf, s));
    EXPECT_EQ(s.mName, "b");
    EXPECT_EQ(s.mDescription, "");
    EXPECT_EQ(Bases(s), "TT");
    EXPECT_TRUE(in.eof());
}

struct StreamCase {
    const char* what;
    std::string text;
    int size;
    std::vector<Rec> records;
};

TEST(FASTAStreamRead, Records)
{
    const std::vector<StreamCase> cases = {
        {"every trailing blank and tab is dropped, inner ones kept", ">a\nAC \t \nG T\t\n \n", 100,
         {{"a", "", "ACG T"}}},
        {"no final newline", ">a d e\nAC\n>b\nGG", 100, {{"a", "d e", "AC"}, {"b", "", "GG"}}},
        {"CRLF", ">a d\r\nAC\r\n", 100, {{"a", "d\r", "AC\r"}}},
        {"empty record", ">a\n>b\nA\n", 100, {{"a", "", ""}, {"b", "", "A"}}},
        {"blank lines", ">a\n\nAC\n\n", 100, {{"a", "", "AC"}}},
        {"sequence lines longer than the buffer are read whole",
         ">a\n0123456789ABCDEFGHIJ\nKLMNOP  \n>b\n" + std::string(50, 'C') + "\n", 8,
         {{"a", "", "0123456789ABCDEFGHIJKLMNOP"}, {"b", "", std::string(50, 'C')}}},
        {"a line exactly filling the buffer", ">a\n1234567\n89\n", 8, {{"a", "", "123456789"}}},
        {"a piece of a long line that starts with '>' is not a header", ">a\n1234567>89\n>b\nC\n", 8,
         {{"a", "", "1234567>89"}, {"b", "", "C"}}},
        {"smallest buffer", ">\nAC\nG\n", 2, {{"", "", "ACG"}}},
    };
    for (const StreamCase& c : cases) {
        SCOPED_TRACE(c.what);
        testing::internal::CaptureStdout();
        ExpectRecs(ReadAll(c.text, c.size), c.records);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    }
}

TEST(FASTAStreamRead, LongHeaderIsCutAndSaidSo)
{
    testing::internal::CaptureStdout();
    ExpectRecs(ReadAll(">abc defghijk\nAC\n>second header\nGG\n", 8),
               {{"abc", "de", "AC"}, {"second", "", "GG"}});
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "FASTA header line longer than 7 characters, the rest of it was skipped\n"
              "FASTA header line longer than 7 characters, the rest of it was skipped\n");
}

TEST(FASTAStreamRead, EmbeddedNulReturnsFalse)
{
    std::vector<bool> results;
    const std::vector<Rec> got = ReadAll(">a\nAC\nG\0T\nTT\n"s, 100, &results);
    ASSERT_EQ(results, (std::vector<bool>{false}));
    EXPECT_EQ(got[0].bases, "AC");   // what was read before the line
}

TEST(FASTAStreamRead, UnusableBufferOrStreamReturnsFalse)
{
    FASTAFile f;
    Sequence s;
    s.mBases = {'A'};
    char one[1] = {'1'};
    std::istringstream in(">a\nAC\n");
    EXPECT_FALSE(f.GetNextRead(in, one, 1, s));
    EXPECT_TRUE(s.mBases.empty());
    EXPECT_FALSE(f.GetNextRead(in, nullptr, 0, s));

    std::istringstream failed(">a\nAC\n");
    failed.setstate(std::ios::failbit);
    char buf[16] = "1";
    EXPECT_FALSE(f.GetNextRead(failed, buf, sizeof buf, s));   // returns instead of spinning
}

TEST(FASTAStreamRead, PendingHeaderIsReadWithinTheBuffer)
{
    // A pending header that fills the buffer without a terminator.
    std::vector<char> raw = {'>', 'a', 'b', ' ', 'c', 'd', 'e', 'f'};
    std::istringstream in("AC\n");
    FASTAFile f;
    Sequence s;
    EXPECT_TRUE(f.GetNextRead(in, raw.data(), static_cast<int>(raw.size()), s));
    EXPECT_EQ(s.mName, "ab");
    EXPECT_EQ(s.mDescription, "cdef");
    EXPECT_EQ(Bases(s), "AC");
}

// The streaming reader agrees with the standard reader on a real genome.
TEST(FASTAStreamRead, AgreesWithTheStandardReader)
{
    const std::string path = Genome("B_anthracis_contigs.fa");
    if (path.empty()) GTEST_SKIP() << "genome not fetched";
    const std::string text = ReadText(path);
    FASTAFile f;
    SequenceVector v;
    ASSERT_TRUE(f.Read(path, v));
    for (int size : {4096, 30}) {
        SCOPED_TRACE(size);
        const std::vector<Rec> got = ReadAll(text, size);
        ASSERT_EQ(got.size(), v.mSeqs.size());
        for (size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].name, v.mSeqs[i].mName);
            EXPECT_TRUE(got[i].bases == Bases(v.mSeqs[i])) << i;
        }
    }
}

}  // namespace
