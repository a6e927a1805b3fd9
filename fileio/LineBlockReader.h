// Splits an input stream into lines ("\n"-separated, the newline not kept),
// reading the stream in large blocks (no larger than a seekable input needs).
// A line that fits in a block comes back whole; a longer one comes back in
// several pieces. An empty piece after the last newline is not a line (as
// with a line read that hits end of input).
#pragma once

#include <cstddef>
#include <cstdint>
#include <istream>
#include <memory>

class LineBlockReader {
public:
    static constexpr size_t kDefaultBlockSize = 1 << 20;

    explicit LineBlockReader(std::istream& in, size_t blockSize = kDefaultBlockSize);

    // The next piece of a line: text[0..len) with text[len] set to '\0' (the
    // piece may be changed in place until the next call). first: the piece
    // starts a line; last: it ends one. False when the input is exhausted.
    bool Next(char*& text, size_t& len, bool& first, bool& last);

    // Bytes of input not yet returned by Next, or SIZE_MAX when the stream
    // cannot tell its length (a pipe, for instance).
    size_t Remaining() const;

private:
    void Fill();

    std::istream& mIn;
    size_t mBlockSize;
    std::unique_ptr<char[]> mBuf;   // mBlockSize + 1 bytes: room for a terminator after any piece
    size_t mPos = 0;                // next unread byte of the block
    size_t mEnd = 0;                // end of the valid bytes of the block
    bool mAtEnd = false;            // the stream has nothing more to give
    bool mInLine = false;           // the last piece did not end its line
    size_t mUnread = SIZE_MAX;      // bytes still in the stream, when its length is known
};
