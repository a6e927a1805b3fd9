#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <streambuf>
#include <utility>
#include <string>
#include <vector>

#include "fileio/LineBlockReader.h"

namespace {

// Reassembles the lines of text from the reader's pieces, checking the piece flags.
std::vector<std::string> Lines(const std::string& text, size_t block)
{
    std::istringstream in(text);
    LineBlockReader reader(in, block);
    std::vector<std::string> lines;
    char* piece;
    size_t len;
    bool first, last;
    bool open = false;
    while (reader.Next(piece, len, first, last)) {
        EXPECT_EQ(first, !open) << "block " << block;
        EXPECT_EQ(piece[len], '\0');
        EXPECT_LE(len, block);
        if (first) lines.emplace_back();
        lines.back().append(piece, len);
        open = !last;
    }
    EXPECT_FALSE(open) << "the last line was never ended";
    return lines;
}

struct SplitCase {
    std::string text;
    std::vector<std::string> lines;
};

TEST(LineBlockReader, SplitsLinesWholeAtEveryBlockSize)
{
    const std::vector<SplitCase> cases = {
        {"", {}},
        {"\n", {""}},
        {"ab", {"ab"}},
        {"ab\n", {"ab"}},
        {"ab\ncd", {"ab", "cd"}},
        {"ab\n\n\ncd\n", {"ab", "", "", "cd"}},
        {"a\r\nbc\r\n", {"a\r", "bc\r"}},
        {std::string("a\0b\nc", 5), {std::string("a\0b", 3), "c"}},
        {"0123456789abcdef\nxy\n0123456789", {"0123456789abcdef", "xy", "0123456789"}},
        {"12345678\n12345678", {"12345678", "12345678"}},
    };
    for (const SplitCase& c : cases) {
        for (size_t block : {1u, 2u, 3u, 4u, 7u, 8u, 9u, 16u, 17u, 1u << 20}) {
            EXPECT_EQ(Lines(c.text, block), c.lines) << "block " << block << " text '" << c.text << "'";
        }
    }
}

TEST(LineBlockReader, FailedStreamGivesNothing)
{
    std::istringstream in("ab\ncd\n");
    in.setstate(std::ios::failbit);
    LineBlockReader reader(in, 4);
    char* piece;
    size_t len;
    bool first, last;
    EXPECT_FALSE(reader.Next(piece, len, first, last));
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

TEST(LineBlockReader, RemainingInput)
{
    std::istringstream in("abc\ndefgh\nij");
    LineBlockReader reader(in, 4);
    EXPECT_EQ(reader.Remaining(), 12u);
    char* piece;
    size_t len;
    bool first, last;
    std::vector<size_t> after;
    while (reader.Next(piece, len, first, last)) after.push_back(reader.Remaining());
    // "abc" | "defg" (a full block) | "h" | "ij"
    EXPECT_EQ(after, (std::vector<size_t>{8, 4, 2, 0}));

    PipeBuf pipe("abc\nde\n");
    std::istream piped(&pipe);
    LineBlockReader unknown(piped, 4);
    EXPECT_EQ(unknown.Remaining(), SIZE_MAX);
    std::vector<std::string> lines;
    while (unknown.Next(piece, len, first, last)) lines.emplace_back(piece, len);
    EXPECT_EQ(lines, (std::vector<std::string>{"abc", "de"}));
}

}  // namespace
