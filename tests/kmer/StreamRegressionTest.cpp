// Faults found by fuzzing the packed streaming reader (fuzz/packed_stream.cpp),
// kept as tests: each input is the smallest one that showed the fault.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "KmerTestUtil.h"
#include "kmer/MerHashMap.h"
#include "kmer/Sequence3Bit.h"
#include "kmer/StreamRead.h"

namespace {

struct Read {
    std::string mName, mLetters;
};

// Every read of text through Sequence3Bit::GetNextRead with a buffer of bufSize bytes.
std::vector<Read> ReadAll(const std::string& text, int bufSize) {
    std::unique_ptr<char[]> buf(new char[bufSize]);
    buf[0] = '1';
    std::istringstream in(text);
    std::vector<Read> reads;
    Sequence3Bit r;
    CoutCapture quiet;
    while (!StreamDone(in) && reads.size() < 10) {
        if (!r.GetNextRead(in, buf.get(), bufSize)) break;
        reads.push_back(Read{r.mName, Letters(r)});
    }
    return reads;
}

// A sequence line longer than the buffer whose last piece starts with '>' is
// still one sequence line: its rest is bases, not the header of a new read.
TEST(StreamRegression, LongLineWhoseLastPieceStartsWithGreaterThanIsNoHeader) {
    // Buffer of 8: "ACGTACG" fills the first piece, ">b" is the line's rest.
    const std::vector<Read> reads = ReadAll(">a\nACGTACG>b\n>c\nTT\n", 8);
    ASSERT_EQ(2u, reads.size());
    EXPECT_EQ("a", reads[0].mName);
    EXPECT_EQ(9u, reads[0].mLetters.size());  // ACGTACG, then '>' and 'b' as packed codes
    EXPECT_EQ("ACGTACG", reads[0].mLetters.substr(0, 7));
    EXPECT_EQ("c", reads[1].mName);
    EXPECT_EQ("TT", reads[1].mLetters);
}

// The same through the source index, whose line buffer (gseqbuf2) holds
// 499999 characters: the second record indexed must be the file's second one.
TEST(StreamRegression, SourceLoadKeepsTheSecondRecordAfterALongLine) {
    std::string line(499999, 'A');
    line += ">phantom";
    std::istringstream in(">first\n" + line + "\n>second\nACGTACGTACGT\n");
    MerSizeScope k(8);
    SourceMerIndex index;
    CoutCapture quiet;
    index.AddToHashMapSampled(in, 0, 1, 1);
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), index.mReadNames);
    EXPECT_EQ((std::vector<int>{500007, 12}), index.mReadSizes);
}

}  // namespace
