#include "text/LineSearch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "text/Globals.h"

namespace {

using Strings = std::vector<std::string>;

struct Read {
    std::string line;
    bool ok;
    bool operator==(const Read& o) const { return line == o.line && ok == o.ok; }
};
std::ostream& operator<<(std::ostream& os, const Read& r) {
    return os << "{'" << r.line << "', " << r.ok << "}";
}

// Every GetLine result until the first false.
std::vector<Read> ReadAll(std::istream& in) {
    std::vector<Read> out;
    for (int guard = 0; guard < 1000; ++guard) {
        std::string line = "stale";
        bool ok = GetLine(in, line);
        out.push_back({line, ok});
        if (!ok) break;
    }
    return out;
}

TEST(GetLineTest, LineEndsTable) {
    struct { std::string input; std::vector<Read> reads; } cases[] = {
        {"ab\ncd", {{"ab", true}, {"cd", true}, {"", false}}},
        {"ab\n", {{"ab", true}, {"", false}}},
        {"", {{"", false}}},
        {"\n\n", {{"", true}, {"", true}, {"", false}}},
        {"a\r\nb\r\n", {{"a\r", true}, {"b\r", true}, {"", false}}},
        {"a\tb \n", {{"a\tb ", true}, {"", false}}},
    };
    for (auto& c : cases) {
        std::istringstream in(c.input);
        EXPECT_EQ(ReadAll(in), c.reads) << c.input;
        EXPECT_FALSE(GetLineTruncated());
    }
}

TEST(GetLineTest, LineLengthsAroundTheBufferSize) {
    const size_t max = kReadBufSize - 1;  // 299999
    {
        // Exactly 299999 characters and a newline: read normally.
        std::istringstream in(std::string(max, 'A') + "\nnext\n");
        std::string line;
        EXPECT_TRUE(GetLine(in, line));
        EXPECT_EQ(line, std::string(max, 'A'));
        EXPECT_FALSE(GetLineTruncated());
        EXPECT_TRUE(GetLine(in, line));
        EXPECT_EQ(line, "next");
    }
    {
        // Exactly 299999 characters at the end of input without a newline.
        std::istringstream in(std::string(max, 'C'));
        std::string line;
        EXPECT_TRUE(GetLine(in, line));
        EXPECT_EQ(line.size(), max);
        EXPECT_FALSE(GetLineTruncated());
        EXPECT_FALSE(GetLine(in, line));
        EXPECT_EQ(line, "");
    }
    {
        // One character too many: the first 299999 come back, reading stops for good.
        std::string big(max + 1, 'G');
        big[0] = 'T';
        std::istringstream in(big + "\nnext\n");
        std::string line;
        EXPECT_FALSE(GetLine(in, line));
        EXPECT_EQ(line, big.substr(0, max));
        EXPECT_TRUE(GetLineTruncated());
        for (int i = 0; i < 3; ++i) {
            EXPECT_FALSE(GetLine(in, line));
            EXPECT_EQ(line, "");
            EXPECT_FALSE(GetLineTruncated());  // nothing was read at all
        }
    }
}

TEST(GetLineTest, OverLongLineInARealFileTerminates) {
    char path[] = "/tmp/text-longlineXXXXXX";
    int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    {
        std::ofstream out(path, std::ios::binary);
        out << ">one\n" << std::string(1000000, 'a') << "\n>two\nACGT\n";
    }
    std::ifstream in(path, std::ios::binary);
    std::string line;
    EXPECT_TRUE(GetLine(in, line));
    EXPECT_EQ(line, ">one");
    EXPECT_FALSE(GetLine(in, line));
    EXPECT_TRUE(GetLineTruncated());
    EXPECT_EQ(line, std::string(kReadBufSize - 1, 'a'));
    // A search on the failed stream stops instead of waiting for end of input.
    EXPECT_FALSE(GetNextLineContaining(in, ">two", line));
    EXPECT_EQ(line, "");
    in.close();
    std::remove(path);
}

TEST(GetLineTest, ReadsRealFilesLineForLine) {
    for (const char* name : {"human-mito.fa", "q-inv.fa"}) {
        std::string path = std::string(TOVRIN_DATA_DIR) + "/" + name;
        std::ifstream ref(path, std::ios::binary);
        if (!ref) GTEST_SKIP() << path << " absent";
        std::ifstream in(path, std::ios::binary);
        std::string want, got;
        size_t lines = 0, longest = 0;
        while (std::getline(ref, want)) {
            ASSERT_TRUE(GetLine(in, got)) << name << " line " << lines;
            ASSERT_EQ(got, want) << name << " line " << lines;
            ++lines;
            longest = std::max(longest, got.size());
        }
        EXPECT_FALSE(GetLine(in, got));
        EXPECT_GT(lines, 3u);
        if (std::string(name) == "q-inv.fa") {
            EXPECT_EQ(longest, 5699u);
        }
    }
}

TEST(GetNextLineContainingTest, SingleText) {
    std::istringstream in("x\ny key z\nw\n");
    std::string line;
    EXPECT_TRUE(GetNextLineContaining(in, "key", line));
    EXPECT_EQ(line, "y key z");
    EXPECT_FALSE(GetNextLineContaining(in, std::string("key"), line));
    EXPECT_EQ(line, "");

    // A matching last line without a newline is found.
    std::istringstream last("a\nb key");
    EXPECT_TRUE(GetNextLineContaining(last, std::string("key"), line));
    EXPECT_EQ(line, "b key");

    // Without a match, line holds the last line read.
    std::istringstream nomatch("a\nb");
    EXPECT_FALSE(GetNextLineContaining(nomatch, "zz", line));
    EXPECT_EQ(line, "b");
}

TEST(GetNextLineContainingTest, EmptyTextMatchesEveryLineReadAndStillEnds) {
    std::istringstream in("a\n\nb\n");
    std::string line;
    Strings got;
    for (int guard = 0; guard < 10 && GetNextLineContaining(in, "", line); ++guard) got.push_back(line);
    EXPECT_EQ(got, (Strings{"a", "", "b"}));
}

TEST(GetNextLineContainingTest, TwoTexts) {
    std::istringstream in("x\nyB\nAz\n");
    std::string line;
    EXPECT_TRUE(GetNextLineContaining(in, "A", "B", line));
    EXPECT_EQ(line, "yB");
    EXPECT_TRUE(GetNextLineContaining(in, "A", "B", line));
    EXPECT_EQ(line, "Az");
    EXPECT_FALSE(GetNextLineContaining(in, "A", "B", line));
}

TEST(GetNextLineContainingTest, KeysOverAFixtureFile) {
    std::ifstream in(std::string(TOVRIN_FIXTURE_DIR) + "/text-lines.txt", std::ios::binary);
    ASSERT_TRUE(in);
    Strings keys = {"P1", "AC", "key"};
    std::string line;
    int which = -5;
    EXPECT_TRUE(GetNextLineContaining(in, keys, line, which));
    EXPECT_EQ(line, "y key z");
    EXPECT_EQ(which, 2);
    EXPECT_TRUE(GetNextLineContaining(in, keys, line, which));
    EXPECT_EQ(line, "AC P1234");
    EXPECT_EQ(which, 1);  // earliest occurrence, not first key
    EXPECT_FALSE(GetNextLineContaining(in, keys, line, which));
    EXPECT_EQ(line, "w");
    EXPECT_EQ(which, 0);
}

TEST(GetNextLineContainingTest, FixtureKeepsCarriageReturns) {
    std::ifstream in(std::string(TOVRIN_FIXTURE_DIR) + "/text-lines.txt", std::ios::binary);
    ASSERT_TRUE(in);
    std::string line, rest;
    EXPECT_TRUE(GetNextLineContaining(in, "ID:", line));
    GetRemainderAfter("ID:", line, rest);
    EXPECT_EQ(rest, " 42\r");
}

TEST(GetRemainderAfterTest, Table) {
    struct { const char* key; std::string line, rest; } cases[] = {
        {"ID:", "ID: 42", " 42"},
        {"ID:", "name 42", ""},
        {"42", "x42", ""},
        {"", "abc", ""},
        {"a", "banana", "nana"},
        {"abc", "ab", ""},
    };
    for (auto& c : cases) {
        std::string rest = "stale";
        GetRemainderAfter(c.key, c.line, rest);
        EXPECT_EQ(rest, c.rest) << c.key << " in " << c.line;
    }
}

}  // namespace
