#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fileio/FASTAFile.h"
#include "TestFiles.h"

namespace {

using namespace std::string_literals;

struct QRec {
    std::string name;
    std::string description;
    std::vector<int> values;
};

void ExpectQuals(const SequenceQualityVector& v, const std::vector<QRec>& expected)
{
    ASSERT_EQ(v.mRecords.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("record " + std::to_string(i));
        EXPECT_EQ(v.mRecords[i].mName, expected[i].name);
        EXPECT_EQ(v.mRecords[i].mDescription, expected[i].description);
        EXPECT_EQ(v.mRecords[i].mQuals, expected[i].values);
    }
}

const char* const kWhiteSpace = "Hey why is there white space here?\n";

struct QualCase {
    const char* what;
    std::string text;
    bool result;
    std::vector<QRec> records;
    int whiteSpaceLines;   // value lines the stream reader complains about
};

TEST(QualityRead, StandardReaderOnStreamsAndFiles)
{
    const std::vector<QualCase> cases = {
        {"two records", ">r1 first read\n20 30 40\n10\n>r2\n35\n", true,
         {{"r1", "first read", {20, 30, 40, 10}}, {"r2", "", {35}}}, 0},
        {"empty line between records", ">r1 first read\n20 30 40\n10\n\n>r2\n35\n", true,
         {{"r1", "first read", {20, 30, 40, 10}}, {"r2", "", {35}}}, 1},
        {"blank and tab lines", ">r1\n \n\t\t\n7\n", true, {{"r1", "", {7}}}, 2},
        {"separators of every kind, no final newline", ">r1\n  1\t2  3 \t\n-4", true,
         {{"r1", "", {1, 2, 3, -4}}}, 0},
        {"words that are not numbers", ">r1\n12 abc 7 3.7 +5 x9\n", true, {{"r1", "", {12, 0, 7, 3, 5, 0}}}, 0},
        {"CRLF", ">r1 d\r\n20 30\r\n", true, {{"r1", "d\r", {20, 30}}}, 0},
        {"header rules of the FASTA reader", ">  r3  x y  \n1\n>\n2\n", true,
         {{"r3", " x y  ", {1}}, {"", "", {2}}}, 0},
        {"values before the first header are ignored", "5 6\n>r1\n7\n", true, {{"r1", "", {7}}}, 0},
        {"empty input", "", false, {}, 0},
        {"no header", "1 2 3\n", false, {}, 0},
        {"header only", ">h d\n", true, {{"h", "d", {}}}, 0},
        {"a NUL ends the line", ">r1\n1 2\0 3\n4\n"s, true, {{"r1", "", {1, 2, 4}}}, 0},
    };
    TempDir dir;
    for (const QualCase& c : cases) {
        SCOPED_TRACE(c.what);
        FASTAFile f;
        SequenceQualityVector v;
        v.GrowVec();
        std::istringstream in(c.text);
        testing::internal::CaptureStdout();
        EXPECT_EQ(f.ReadQual(in, v), c.result);
        std::string expectedOut;
        for (int i = 0; i < c.whiteSpaceLines; ++i) expectedOut += kWhiteSpace;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), expectedOut);
        ExpectQuals(v, c.records);

        // The named-file reader gives the same records without the message.
        const std::string path = dir.Path("case.qual");
        WriteText(path, c.text);
        SequenceQualityVector fromFile;
        testing::internal::CaptureStdout();
        EXPECT_EQ(f.ReadQual(path, fromFile), c.result);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ExpectQuals(fromFile, c.records);
    }
}

TEST(QualityRead, ManyRecordsAndLongLines)
{
    std::string text;
    for (int i = 0; i < 301; ++i) text += ">q" + std::to_string(i) + "\n" + std::to_string(i) + "\n";
    // One record whose values are all on one 3.3-million-character line.
    std::string longLine;
    std::vector<int> longValues;
    for (int i = 0; i < 1100000; ++i) {
        longValues.push_back(i % 41);
        longLine += std::to_string(i % 41) + " ";
    }
    text += ">long\n" + longLine + "\n>last\n1\n";

    FASTAFile f;
    SequenceQualityVector v;
    std::istringstream in(text);
    ASSERT_TRUE(f.ReadQual(in, v));
    ASSERT_EQ(v.mRecords.size(), 303u);
    EXPECT_EQ(v.mRecords[300].mName, "q300");
    EXPECT_EQ(v.mRecords[300].mQuals, (std::vector<int>{300}));
    EXPECT_EQ(v.mRecords[301].mName, "long");
    EXPECT_TRUE(v.mRecords[301].mQuals == longValues);
    EXPECT_EQ(v.mRecords[302].mQuals, (std::vector<int>{1}));
    // Short records do not keep the capacity reserved while reading them.
    for (const SequenceQuality& q : v.mRecords) ASSERT_LT(q.mQuals.capacity(), q.mQuals.size() + 100);
}

TEST(QualityRead, FirstRecordOfAFile)
{
    TempDir dir;
    const std::string path = dir.Path("first.qual");
    WriteText(path, ">a x\n1 2\n>b\n3\n");
    FASTAFile f;
    SequenceQuality q;
    EXPECT_TRUE(f.ReadQual(path, q));
    EXPECT_EQ(q.mName, "a");
    EXPECT_EQ(q.mDescription, "x");
    EXPECT_EQ(q.mQuals, (std::vector<int>{1, 2}));

    WriteText(path, "1 2\n");   // opens, holds no record: q unchanged
    EXPECT_FALSE(f.ReadQual(path, q));
    EXPECT_EQ(q.mName, "a");

    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.ReadQual("/nonexistent-dir/q.qual", q));   // unopenable: q emptied
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent-dir/q.qual file open failed (Read Multiple FASTA)\n");
    EXPECT_EQ(q.mName, "");
    EXPECT_EQ(q.mDescription, "");
    EXPECT_TRUE(q.mQuals.empty());
}

TEST(QualityRead, MissingFiles)
{
    FASTAFile f;
    SequenceQualityVector v;
    v.GrowVec();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.ReadQual("/nonexistent-dir/a.qual", v));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent-dir/a.qual file open failed (Read Multiple FASTA)\n");
    EXPECT_TRUE(v.mRecords.empty());   // no phantom records

    v.GrowVec();
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.ReadQual0("/nonexistent-dir/b.qual", v));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "/nonexistent-dir/b.qual file open failed\n");
    EXPECT_TRUE(v.mRecords.empty());
}

struct LineCase {
    const char* what;
    std::string text;
    std::vector<QRec> lineReader;    // ReadQualX
    std::vector<QRec> plainReader;   // ReadQual0
};

TEST(QualityRead, LineAndPlainReaders)
{
    const std::vector<LineCase> cases = {
        {"one record", ">r1 d\n7 8\n", {{"r1", "d", {7, 8}}}, {{"", "r1 d", {7, 8}}}},
        {"first read", ">r1 first read\n20 30\n", {{"r1", "first read", {20, 30}}},
         {{"", "r1 first read", {20, 30}}}},
        {"empty input", "", {}, {}},
        {"blank lines are silent, no final newline", ">a\n\n \n1\t2\n\n>b\n3", {{"a", "", {1, 2}}, {"b", "", {3}}},
         {{"", "a", {1, 2}}, {"", "b", {3}}}},
        {"values before the first header are ignored", "9\n>a\n1\n", {{"a", "", {1}}}, {{"", "a", {1}}}},
        {"CRLF", ">a x\r\n5 6\r\n", {{"a", "x\r", {5, 6}}}, {{"", "a x\r", {5, 6}}}},
    };
    TempDir dir;
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        FASTAFile f;
        SequenceQualityVector v;
        v.GrowVec();
        std::istringstream in(c.text);
        testing::internal::CaptureStdout();
        EXPECT_TRUE(f.ReadQualX(in, v));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ExpectQuals(v, c.lineReader);

        const std::string path = dir.Path("plain.qual");
        WriteText(path, c.text);
        SequenceQualityVector p;
        p.GrowVec();
        testing::internal::CaptureStdout();
        EXPECT_TRUE(f.ReadQual0(path, p));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ExpectQuals(p, c.plainReader);
    }
}

// The line and plain readers read through GetLine, which holds 299999 characters of a line.
TEST(QualityRead, OverLongLinesStopTheLineReaders)
{
    // 100000 words "12 " (300000 characters): the line is one character too long
    // for GetLine, and its last whole word ends exactly where GetLine stops.
    std::string words;
    for (int i = 0; i < 100000; ++i) words += "12 ";
    // A blank, then "1234 " 60001 times: GetLine stops after "123" of the 60000th word.
    std::string cut = " ";
    for (int i = 0; i < 60001; ++i) cut += "1234 ";

    struct Case {
        std::string line;
        size_t kept;   // values taken from the truncated line
    };
    const std::vector<Case> cases = {
        {words, 100000},   // "12 12 ... 12" + the rest " ": every word is whole
        {cut, 59999},      // the cut word is left out
    };
    TempDir dir;
    for (const Case& c : cases) {
        const std::string text = ">a\n1\n>b\n" + c.line + "\n>c\n2\n";
        FASTAFile f;
        SequenceQualityVector v;
        std::istringstream in(text);
        testing::internal::CaptureStdout();
        EXPECT_FALSE(f.ReadQualX(in, v));
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  "Quality file: line longer than 299999 characters, reading stopped there\n");
        ASSERT_EQ(v.mRecords.size(), 2u);
        EXPECT_EQ(v.mRecords[0].mQuals, (std::vector<int>{1}));
        EXPECT_EQ(v.mRecords[1].mQuals.size(), c.kept);
        for (int value : v.mRecords[1].mQuals) ASSERT_EQ(value, c.line[0] == '1' && c.line[2] == ' ' ? 12 : 1234);

        const std::string path = dir.Path("long.qual");
        WriteText(path, text);
        SequenceQualityVector p;
        testing::internal::CaptureStdout();
        EXPECT_FALSE(f.ReadQual0(path, p));
        EXPECT_EQ(testing::internal::GetCapturedStdout(),
                  path + ": line longer than 299999 characters, reading stopped there\n");
        ASSERT_EQ(p.mRecords.size(), 2u);
        EXPECT_EQ(p.mRecords[1].mQuals.size(), c.kept);

        // The standard reader reads the line whole.
        SequenceQualityVector s;
        ASSERT_TRUE(f.ReadQual(path, s));
        ASSERT_EQ(s.mRecords.size(), 3u);
        EXPECT_EQ(s.mRecords[1].mQuals.size(), c.line.size() / (c.line[2] == ' ' ? 3 : 5));
    }

    // A stream that has already failed: the line reader stops instead of spinning.
    std::istringstream failed(">a\n1\n");
    failed.setstate(std::ios::failbit);
    FASTAFile f;
    SequenceQualityVector v;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(f.ReadQualX(failed, v));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Quality file: read failed, reading stopped there\n");
}

SequenceQuality MakeQ(const std::string& name, const std::string& description, std::vector<int> values)
{
    SequenceQuality q;
    q.mName = name;
    q.mDescription = description;
    q.mQuals = std::move(values);
    return q;
}

std::string Repeat(const std::string& word, int n, const std::string& sep)
{
    std::string s;
    for (int i = 0; i < n; ++i) s += (i ? sep : "") + word;
    return s;
}

struct QWriteCase {
    const char* what;
    int width;
    int count;
    std::string description;
    std::string expected;
};

TEST(QualityWrite, Layout)
{
    const std::vector<QWriteCase> cases = {
        {"30 values: 25 and 5", 25, 30, "d", ">r1 d\n" + Repeat("40", 25, " ") + "\n" + Repeat("40", 5, " ") + " \n"},
        {"exactly 25 values", 25, 25, "d", ">r1 d\n" + Repeat("40", 25, " ") + "\n"},
        {"no values", 25, 0, "d", ">r1 d\n"},
        {"empty description", 25, 1, "", ">r1 \n40 \n"},
        {"width 2", 2, 5, "d", ">r1 d\n40 40\n40 40\n40 \n"},
        {"width 0: one line", 0, 30, "d", ">r1 d\n" + Repeat("40", 30, " ") + " \n"},
        {"negative width, no values", -1, 0, "d", ">r1 d\n"},
    };
    for (const QWriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        FASTAFile f;
        f.mQualLineWidth = c.width;
        SequenceQuality q = MakeQ("r1", c.description, std::vector<int>(static_cast<size_t>(c.count), 40));
        std::ostringstream out;
        f.WriteQual(out, q);
        EXPECT_EQ(out.str(), c.expected);
    }
    FASTAFile f;
    std::ostringstream out;
    f.WriteQual(out, MakeQ("n", "x y", {-1, 0, 123456}));
    EXPECT_EQ(out.str(), ">n x y\n-1 0 123456 \n");
}

TEST(QualityWrite, FilesRoundTripAndFailures)
{
    TempDir dir;
    FASTAFile f;
    SequenceQualityVector v;
    for (int i = 0; i < 350; ++i) {
        std::vector<int> values;
        for (int k = 0; k < (i * 7) % 90; ++k) values.push_back((k * 13 + i) % 45);
        v.mRecords.push_back(MakeQ("read" + std::to_string(i), i % 4 ? "lane " + std::to_string(i % 4) : "",
                                   values));
    }
    const std::string path = dir.Path("out.qual");
    WriteText(path, std::string(100000, 'x'));   // truncated
    testing::internal::CaptureStdout();
    f.WriteQual(path, v);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    std::ostringstream expected;
    f.WriteQual(expected, v);
    EXPECT_EQ(ReadText(path), expected.str());

    for (int width : {25, 1, 0}) {
        f.mQualLineWidth = width;
        f.WriteQual(path, v);
        SequenceQualityVector back;
        ASSERT_TRUE(f.ReadQual(path, back));
        ASSERT_EQ(back.mRecords.size(), v.mRecords.size());
        for (size_t i = 0; i < v.mRecords.size(); ++i) {
            EXPECT_EQ(back.mRecords[i].mName, v.mRecords[i].mName);
            EXPECT_EQ(back.mRecords[i].mDescription, v.mRecords[i].mDescription);
            EXPECT_EQ(back.mRecords[i].mQuals, v.mRecords[i].mQuals);
        }
        SequenceQualityVector lines;
        std::istringstream in(ReadText(path));
        testing::internal::CaptureStdout();
        EXPECT_TRUE(f.ReadQualX(in, lines));
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        ASSERT_EQ(lines.mRecords.size(), v.mRecords.size());
        EXPECT_EQ(lines.mRecords[349].mQuals, v.mRecords[349].mQuals);
    }
    f.mQualLineWidth = 25;

    f.WriteQual(path, v.mRecords[5]);
    EXPECT_EQ(ReadText(path), ">read5 lane 1\n" + [&] {
        std::ostringstream one;
        f.WriteQual(one, v.mRecords[5]);
        return one.str().substr(one.str().find('\n') + 1);
    }());

    testing::internal::CaptureStdout();
    f.WriteQual("/nonexistent-dir/a.qual", v);
    f.WriteQual("/nonexistent-dir/b.qual", v.mRecords[0]);
    f.WriteQual("/dev/full", v);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent-dir/a.qual file open failed\n/nonexistent-dir/b.qual file open failed\n"
              "/dev/full write failed\n");
}

}  // namespace
