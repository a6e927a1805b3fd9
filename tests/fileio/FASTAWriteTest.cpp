#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "fileio/FASTAFile.h"
#include "TestFiles.h"

namespace {

Sequence Make(const std::string& name, const std::string& description, const std::string& bases)
{
    Sequence s;
    s.mName = name;
    s.mDescription = description;
    s.mBases.assign(bases.begin(), bases.end());
    return s;
}

struct WriteCase {
    const char* what;
    int width;
    Rec record;
    std::string expected;
};

TEST(FASTAWrite, Layout)
{
    const std::string b120 = RandomBases(120, 1);
    const std::string b100 = RandomBases(100, 2);
    const std::vector<WriteCase> cases = {
        {"120 residues: 50, 50, 20", 50, {"r1", "x", b120},
         ">r1 x\n" + b120.substr(0, 50) + "\n" + b120.substr(50, 50) + "\n" + b120.substr(100) + "\n"},
        {"exact multiple: no empty line", 50, {"r1", "x", b100},
         ">r1 x\n" + b100.substr(0, 50) + "\n" + b100.substr(50) + "\n"},
        {"no residues: header only", 50, {"r1", "x", ""}, ">r1 x\n"},
        {"empty description: the blank is still written", 50, {"r1", "", "AC"}, ">r1 \nAC\n"},
        {"record of the filtering reader", 50, {"", "r1 d", "AC"}, "> r1 d\nAC\n"},
        {"residues exactly as stored", 4, {"n", "d", "acgT-*N\r x"}, ">n d\nacgT\n-*N\r\n x\n"},
        {"width 1", 1, {"n", "", "ACG"}, ">n \nA\nC\nG\n"},
        {"width 0: no wrapping", 0, {"n", "", b120}, ">n \n" + b120 + "\n"},
        {"negative width: no wrapping", -3, {"n", "", "ACG"}, ">n \nACG\n"},
        {"negative width, no residues", -3, {"n", "", ""}, ">n \n"},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.what);
        FASTAFile f;
        f.mLineWidth = c.width;
        Sequence s = Make(c.record.name, c.record.description, c.record.bases);
        std::ostringstream one;
        f.Write(one, s);
        EXPECT_EQ(one.str(), c.expected);

        SequenceVector v;
        v.mSeqs = {s, s};
        std::ostringstream two;
        f.Write(two, v);
        EXPECT_EQ(two.str(), c.expected + c.expected);
    }
}

TEST(FASTAWrite, FilesAndFailures)
{
    TempDir dir;
    FASTAFile f;
    SequenceVector v;
    v.mSeqs = {Make("a", "1", "ACGT"), Make("b", "", RandomBases(75, 3))};
    const std::string path = dir.Path("out.fa");
    WriteText(path, std::string(10000, 'x'));   // an existing longer file is truncated
    testing::internal::CaptureStdout();
    f.Write(path, v);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    std::ostringstream expected;
    f.Write(expected, v);
    EXPECT_EQ(ReadText(path), expected.str());

    f.Write(path, v.mSeqs[0]);
    EXPECT_EQ(ReadText(path), ">a 1\nACGT\n");

    testing::internal::CaptureStdout();
    f.Write("/nonexistent-dir/out.fa", v);
    f.Write("/nonexistent-dir/one.fa", v.mSeqs[0]);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "/nonexistent-dir/out.fa file open failed\n/nonexistent-dir/one.fa file open failed\n");

    // A device that accepts the open but no data: the loss is reported.
    SequenceVector big;
    big.mSeqs = {Make("big", "", RandomBases(200000, 4))};
    testing::internal::CaptureStdout();
    f.Write("/dev/full", big);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "/dev/full write failed\n");
}

TEST(FASTAWrite, ReadsBackAsWritten)
{
    FASTAFile f;
    SequenceVector v;
    for (int i = 0; i < 40; ++i)
        v.mSeqs.push_back(Make("s" + std::to_string(i), i % 3 ? "desc " + std::to_string(i) : "",
                               RandomBases(static_cast<size_t>(i * 13), static_cast<unsigned>(i))));
    for (int width : {1, 7, 50, 60, 0}) {
        f.mLineWidth = width;
        std::stringstream io;
        f.Write(io, v);
        SequenceVector back;
        ASSERT_TRUE(f.Read(io, back));
        ASSERT_EQ(back.mSeqs.size(), v.mSeqs.size());
        for (size_t i = 0; i < v.mSeqs.size(); ++i) {
            EXPECT_EQ(back.mSeqs[i].mName, v.mSeqs[i].mName);
            EXPECT_EQ(back.mSeqs[i].mDescription, v.mSeqs[i].mDescription);
            EXPECT_EQ(back.mSeqs[i].mBases, v.mSeqs[i].mBases);
        }
    }
}

}  // namespace
