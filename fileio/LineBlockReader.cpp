#include "fileio/LineBlockReader.h"

#include <algorithm>
#include <cstring>

LineBlockReader::LineBlockReader(std::istream& in, size_t blockSize)
    : mIn(in), mBlockSize(blockSize < 1 ? 1 : blockSize)
{
    // The length of a seekable stream lets readers size records without
    // overshooting the input, and a short input a short block; a stream that
    // cannot seek is left as it is.
    if (mIn.good()) {
        const std::streampos here = mIn.tellg();
        if (here == std::streampos(-1)) {
            mIn.clear();
        } else {
            mIn.seekg(0, std::ios::end);
            const std::streampos end = mIn.tellg();
            mIn.seekg(here);
            if (!mIn.good() || end == std::streampos(-1) || end < here) {
                mIn.clear();
                mIn.seekg(here);
            } else {
                mUnread = static_cast<size_t>(end - here);
                mBlockSize = std::min(mBlockSize, mUnread + 1);
            }
        }
    }
    mBuf.reset(new char[mBlockSize + 1]);
}

size_t LineBlockReader::Remaining() const
{
    if (mUnread == SIZE_MAX) return SIZE_MAX;
    return mUnread + (mEnd - mPos);
}

void LineBlockReader::Fill()
{
    // The stream stops giving data at end of input, or when it has failed
    // (then it never will); either ends the input.
    mIn.read(mBuf.get() + mEnd, static_cast<std::streamsize>(mBlockSize - mEnd));
    const std::streamsize got = mIn.gcount();
    if (got > 0) {
        mEnd += static_cast<size_t>(got);
        if (mUnread != SIZE_MAX) mUnread -= std::min(mUnread, static_cast<size_t>(got));
    }
    if (!mIn.good() || got <= 0) mAtEnd = true;
}

bool LineBlockReader::Next(char*& text, size_t& len, bool& first, bool& last)
{
    char* buf = mBuf.get();
    for (;;) {
        if (mPos < mEnd) {
            char* start = buf + mPos;
            char* nl = static_cast<char*>(std::memchr(start, '\n', mEnd - mPos));
            if (nl != nullptr || mAtEnd || (mPos == 0 && mEnd == mBlockSize)) {
                // A whole line, the unterminated last line, or a full block of a
                // line longer than the block.
                char* stop = nl != nullptr ? nl : buf + mEnd;
                text = start;
                len = static_cast<size_t>(stop - start);
                *stop = '\0';
                first = !mInLine;
                last = nl != nullptr || mAtEnd;
                mInLine = !last;
                mPos = nl != nullptr ? mPos + len + 1 : mEnd;
                return true;
            }
            // Keep the partial line and read more behind it.
            if (mPos > 0) {
                std::memmove(buf, start, mEnd - mPos);
                mEnd -= mPos;
                mPos = 0;
            }
            Fill();
            continue;
        }
        if (mAtEnd) {
            if (mInLine) {
                // The previous piece ended exactly at the end of the input.
                buf[0] = '\0';
                text = buf;
                len = 0;
                first = false;
                last = true;
                mInLine = false;
                return true;
            }
            return false;
        }
        mPos = mEnd = 0;
        Fill();
    }
}
