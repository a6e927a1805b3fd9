#include "sequence/SequenceQuality.h"

#include <algorithm>
#include <iostream>

void SequenceQuality::Reverse()
{
    std::reverse(mQuals.begin(), mQuals.end());
}

void SequenceQuality::Concatenate(const SequenceQuality& other)
{
    // Sizes are taken before the resize so that appending a record to itself
    // copies its original values once (the resize may move other's storage).
    const size_t n = mQuals.size();
    const size_t m = other.mQuals.size();
    mQuals.resize(n + m);
    std::copy_n(other.mQuals.data(), m, mQuals.data() + n);
}

void SequenceQuality::Trim(long left, long right)
{
    const long count = static_cast<long>(mQuals.size());
    if (left >= 0) {
        const long last = std::min(left, count - 1);
        for (long i = 0; i <= last; ++i) mQuals[i] = 0;
    }
    if (right >= 0) {
        for (long i = right; i < count; ++i) mQuals[i] = 0;
    }
}

int SequenceQuality::CountPhred20() const
{
    int n = 0;
    for (int q : mQuals) n += (q > 19);
    return n;
}

int SequenceQuality::FindPhred20(long start) const
{
    const long count = static_cast<long>(mQuals.size());
    if (start >= 0) {
        for (long i = start; i < count; ++i)
            if (mQuals[i] > 19) return static_cast<int>(i);
    }
    return static_cast<int>(count - 1);
}

int SequenceQuality::RFindPhred20(long start) const
{
    const long count = static_cast<long>(mQuals.size());
    if (start >= count) start = count - 1;
    for (long i = start; i >= 0; --i)
        if (mQuals[i] > 19) return static_cast<int>(i);
    return 0;
}

int SequenceQuality::RFindPhred20() const
{
    return RFindPhred20(static_cast<long>(mQuals.size()) - 1);
}

void SequenceQuality::Print(std::ostream& out) const
{
    out << '>' << mName << ' ' << mDescription << '\n';
    const size_t n = mQuals.size();
    for (size_t i = 0; i < n; ++i) {
        out << mQuals[i] << ' ';
        if (i > 0 && i % 50 == 0) out << '\n';
    }
    // The loop has just ended the line when the last index is a positive multiple of 50.
    const bool lineEnded = n > 1 && (n - 1) % 50 == 0;
    if (!lineEnded) out << '\n';
}

void SequenceQuality::Print() const
{
    Print(std::cout);
}
