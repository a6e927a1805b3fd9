#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "KmerTestUtil.h"
#include "kmer/Sequence3Bit.h"
#include "kmer/StreamRead.h"
#include "text/Globals.h"

namespace {

// A reader's line buffer of exactly bufSize bytes (so the sanitizer sees any
// access past it), primed with the "1" marker.
struct LineBuffer {
    explicit LineBuffer(int size) : mBytes(size_t(size), 'Z') { mBytes[0] = '1'; }
    char* Data() { return mBytes.data(); }
    int Size() const { return int(mBytes.size()); }
    std::string Text() const { return std::string(mBytes.data(), strnlen(mBytes.data(), mBytes.size())); }
    std::vector<char> mBytes;
};

TEST(GetNextRead, ReadsRecordAfterRecord) {
    std::istringstream in(">a x\nAC\nGT\n>b\nTT");
    LineBuffer buf(100);
    Sequence3Bit r;
    EXPECT_TRUE(r.GetNextRead(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.mName, "a");
    EXPECT_EQ(r.mDescription, "x");
    EXPECT_EQ(Letters(r), "ACGT");
    EXPECT_EQ(buf.Text(), ">b");
    EXPECT_FALSE(in.eof());

    EXPECT_TRUE(r.GetNextRead(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.mName, "b");
    EXPECT_EQ(r.mDescription, "");
    EXPECT_EQ(Letters(r), "TT");
    EXPECT_TRUE(in.eof());
}

TEST(GetNextRead, HeaderSplitsAtTheFirstWord) {
    struct Case {
        const char* header;
        const char* name;
        const char* description;
    } cases[] = {{">r1  two words", "r1", " two words"},
                 {">r1\tdesc here \t", "r1", "desc here \t"},
                 {"> r2", "r2", ""},
                 {">r3 ", "r3", ""},
                 {">", "", ""},
                 {"@q1 x", "q1", "x"}};
    for (const Case& c : cases) {
        std::istringstream in(std::string(c.header) + "\nACGT\n");
        LineBuffer buf(100);
        Sequence3Bit r;
        r.GetNextRead(in, buf.Data(), buf.Size());
        EXPECT_EQ(r.mName, c.name) << c.header;
        EXPECT_EQ(r.mDescription, c.description) << c.header;
        EXPECT_EQ(Letters(r), "ACGT");
    }
}

TEST(GetNextRead, TrailingWhiteSpaceIsRemovedWithDebugLines) {
    std::istringstream in(">r\nACGT  \nA C\t\nGG\n");
    LineBuffer buf(100);
    Sequence3Bit r;
    CoutCapture cap;
    r.GetNextRead(in, buf.Data(), buf.Size());
    EXPECT_EQ(Letters(r), "ACGTAACGG");  // the inner blank stays and becomes an A
    EXPECT_EQ(cap.Text(),
              "\nConsuming white space: 20 sEnd=5\nBuffer=ACGT  \n"
              "\nConsuming white space: 20 sEnd=4\nBuffer=ACGT \n"
              "\nConsuming white space: 9 sEnd=3\nBuffer=A C\t\n");
}

TEST(GetNextRead, CarriageReturnIsABaseWithCodeSix) {
    std::istringstream in(">r\r\nAC\r\nGT\r\n");
    LineBuffer buf(100);
    Sequence3Bit r;
    r.GetNextRead(in, buf.Data(), buf.Size());
    EXPECT_EQ(r.mName, "r\r");
    EXPECT_EQ(Codes(r), "016326");
}

TEST(GetNextRead, EmbeddedNulReturnsFalseKeepingWhatWasRead) {
    const std::string text = std::string(">a\nGG\nAC") + '\0' + "GT\nTT\n";
    std::istringstream in(text);
    LineBuffer buf(100);
    Sequence3Bit r;
    EXPECT_FALSE(r.GetNextRead(in, buf.Data(), buf.Size()));
    EXPECT_EQ(Letters(r), "GG");

    std::istringstream clean(">a\nGG\n");
    LineBuffer buf2(100);
    EXPECT_TRUE(r.GetNextRead(clean, buf2.Data(), buf2.Size()));
}

TEST(GetNextRead, EmptyBufferParsesAnEmptyHeader) {
    std::istringstream in("ACGT\nTT\n>b\nGG\n");
    LineBuffer buf(100);
    buf.mBytes[0] = 0;
    Sequence3Bit r;
    r.mName = "old";
    r.mDescription = "old";
    EXPECT_TRUE(r.GetNextRead(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.mName, "");
    EXPECT_EQ(r.mDescription, "");
    EXPECT_EQ(Letters(r), "ACGTTT");
    EXPECT_EQ(buf.Text(), ">b");
}

TEST(GetNextRead, FailedStreamEndsLikeAnEmptyOne) {
    std::ifstream missing("/nonexistent/kmer-none.fa");
    ASSERT_TRUE(missing.fail());
    LineBuffer buf(100);
    Sequence3Bit r = Packed("ACGT");
    r.mName = "old";
    EXPECT_TRUE(r.GetNextRead(missing, buf.Data(), buf.Size()));
    EXPECT_EQ(r.NumBases(), 0);
    EXPECT_EQ(r.mName, "");

    LineBuffer buf2(100);
    buf2.mBytes[0] = '>';
    buf2.mBytes[1] = 0;
    EXPECT_TRUE(r.GetNextReadTrimLowQual(missing, buf2.Data(), buf2.Size()));
    EXPECT_EQ(r.NumBases(), 0);
}

TEST(GetNextReadTrimLowQual, KeepsUpperCaseUpToTheFirstLowQualityCharacter) {
    std::istringstream in(">r d\nacgtACGTac\nGTac\n>s\nAA\n");
    LineBuffer buf(100);
    Sequence3Bit r;
    EXPECT_TRUE(r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.mName, "r");
    EXPECT_EQ(r.mDescription, "d");
    EXPECT_EQ(Letters(r), "ACGTGT");
    EXPECT_EQ(buf.Text(), ">s");
    EXPECT_TRUE(r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.mName, "s");
    EXPECT_EQ(Letters(r), "AA");
}

TEST(GetNextReadTrimLowQual, RecordWithoutSequenceLeavesTheNextHeader) {
    std::istringstream in(">r\n>next one\nACGT\n");
    LineBuffer buf(100);
    Sequence3Bit r;
    EXPECT_TRUE(r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.NumBases(), 0);
    EXPECT_EQ(buf.Text(), ">next one");
    EXPECT_TRUE(r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.mName, "next");
    EXPECT_EQ(Letters(r), "ACGT");

    std::istringstream atEnd(">r\nacgt");
    LineBuffer buf2(100);
    EXPECT_TRUE(r.GetNextReadTrimLowQual(atEnd, buf2.Data(), buf2.Size()));
    EXPECT_EQ(r.NumBases(), 0);
}

TEST(GetNextReadTrimLowQual, AllLowerCaseFirstLineLeavesItsLineEnd) {
    std::istringstream in(">r\nacgt\nACGT\n");
    LineBuffer buf(100);
    Sequence3Bit r;
    r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size());
    EXPECT_EQ(Codes(r), "50132");  // the newline that ended the skip, then ACGT
}

TEST(GetNextReadTrimLowQual, RefusesABufferWithoutHeaderOrMarker) {
    std::istringstream in("ACGT\n");
    LineBuffer buf(100);
    std::strcpy(buf.Data(), "ACGT");
    Sequence3Bit r = Packed("GG");
    r.mName = "name";
    r.mDescription = "desc";
    EXPECT_FALSE(r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size()));
    EXPECT_EQ(r.NumBases(), 0);
    EXPECT_EQ(r.mName, "name");
    EXPECT_EQ(r.mDescription, "desc");
    EXPECT_EQ(in.tellg(), std::streampos(0));  // nothing read
}

TEST(GetNextReadTrimLowQual, TrailingWhiteSpaceDebugLines) {
    std::istringstream in(">r\nACGT\t\n");
    LineBuffer buf(100);
    Sequence3Bit r;
    CoutCapture cap;
    r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size());
    EXPECT_EQ(Letters(r), "ACGT");
    EXPECT_EQ(cap.Text(), "bsize=5\nBuffer=ACGT\t\nConsuming white space: 9 sEnd=4\n");
}

// Lines longer than the buffer are read whole: any buffer size gives the bases,
// names and descriptions that a buffer larger than every line gives.
TEST(StreamRead, LongLinesReadWholeWithAnyBufferSize) {
    std::mt19937 rng(5);
    const char alphabet[] = "ACGTNacgtn \t";
    for (int trial = 0; trial < 200; ++trial) {
        std::string text;
        const int records = 1 + int(rng() % 3);
        for (int rec = 0; rec < records; ++rec) {
            text += ">r" + std::to_string(rec) + "\n";
            const int lines = int(rng() % 4);
            for (int l = 0; l < lines; ++l) {
                const int len = int(rng() % 40);
                for (int i = 0; i < len; ++i) text += alphabet[rng() % (sizeof alphabet - 1)];
                text += "\n";
            }
        }
        if (rng() % 2) text.pop_back();  // sometimes no final line end
        for (bool trim : {false, true}) {
            std::vector<std::string> want;
            for (int bufSize : {1000, 4, 5, 7, 16}) {
                std::istringstream in(text);
                LineBuffer buf(bufSize);
                std::vector<std::string> got;
                Sequence3Bit r;
                CoutCapture quiet;
                for (int rec = 0; rec < records; ++rec) {
                    if (trim)
                        r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size());
                    else
                        r.GetNextRead(in, buf.Data(), buf.Size());
                    got.push_back(r.mName + "|" + r.mDescription + "|" + Codes(r));
                }
                EXPECT_TRUE(in.eof());
                if (bufSize == 1000)
                    want = got;
                else
                    EXPECT_EQ(got, want) << "buffer " << bufSize << " trim " << trim << " text:\n" << text;
            }
        }
    }
}

TEST(StreamRead, SixMillionBaseLineEqualsTheWrappedSequence) {
    std::mt19937 rng(9);
    std::string bases(6000000, 'A');
    for (char& c : bases) c = "ACGTN"[rng() % 5];
    std::string wrapped = ">chr one\n";
    for (size_t i = 0; i < bases.size(); i += 60) wrapped += bases.substr(i, 60) + "\n";
    const std::string single = ">chr one\n" + bases + "  \n>next\n";
    wrapped += ">next\n";

    Sequence3Bit a, b;
    std::istringstream inA(wrapped), inB(single);
    gseqbuf2[0] = '1';
    CoutCapture quiet;
    a.GetNextRead(inA, gseqbuf2, kSeqBuf2Size);
    gseqbuf2[0] = '1';
    b.GetNextRead(inB, gseqbuf2, kSeqBuf2Size);
    EXPECT_EQ(std::string(gseqbuf2), ">next");
    EXPECT_EQ(a.NumBases(), 6000000);
    EXPECT_EQ(b.NumBases(), 6000000);
    EXPECT_EQ(b.mName, "chr");
    EXPECT_EQ(b.mDescription, "one");
    EXPECT_TRUE(a.mWords == b.mWords);
}

TEST(StreamRead, TinyBuffersStayInBoundsAndEnd) {
    for (int size : {0, 1}) {
        std::istringstream in(">a\nACGT\n");
        LineBuffer buf(size > 0 ? size : 1);
        Sequence3Bit r;
        EXPECT_TRUE(r.GetNextRead(in, buf.Data(), size));
        EXPECT_TRUE(in.fail());  // nothing can be read: the stream is ended for the caller's loop
        EXPECT_EQ(r.NumBases(), 0);
    }
    {
        std::istringstream in(">a\nACGT\nTT\n>b\n");
        LineBuffer buf(2);  // one character per piece
        Sequence3Bit r;
        EXPECT_TRUE(r.GetNextRead(in, buf.Data(), buf.Size()));
        EXPECT_EQ(Letters(r), "ACGTTT");
        EXPECT_EQ(r.mName, "");  // the header kept only its '>'
    }
    {
        std::istringstream in(">a\nACGT\n");
        LineBuffer buf(2);
        Sequence3Bit r;
        EXPECT_FALSE(r.GetNextReadTrimLowQual(in, buf.Data(), buf.Size()));
        LineBuffer three(3);
        EXPECT_TRUE(r.GetNextReadTrimLowQual(in, three.Data(), three.Size()));
        EXPECT_EQ(Letters(r), "ACGT");
    }
}

TEST(StreamRead, OverlongHeaderKeepsItsStart) {
    const std::string header = ">name " + std::string(50, 'd');
    std::istringstream in(header + "\nAC\n" + header + "\nGT\n");
    LineBuffer buf(20);
    Sequence3Bit r;
    r.GetNextRead(in, buf.Data(), buf.Size());
    EXPECT_EQ(r.mName, "name");
    EXPECT_EQ(r.mDescription, std::string(13, 'd'));
    EXPECT_EQ(Letters(r), "AC");
    r.GetNextRead(in, buf.Data(), buf.Size());
    EXPECT_EQ(Letters(r), "GT");
}

}  // namespace
