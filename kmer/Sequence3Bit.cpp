#include "kmer/Sequence3Bit.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <iostream>

#include "sequence/Sequence.h"

namespace {

inline uint32_t CharCode(char c) { return (uint32_t(uint8_t(c)) >> 1) & 7u; }

// Letters come back as codes 0..4 and 7; codes 5 and 6 travel as '?' and return as 7.
inline uint32_t RoundTrip(uint32_t code) { return (code == 5 || code == 6) ? 7u : code; }

}  // namespace

void Sequence3Bit::Init() {
    mBaseSize = 0;
    mSlot = 0;
    mWordIndex = 0;
}

void Sequence3Bit::ClearBases() {
    mWords.clear();
    Init();
}

void Sequence3Bit::Set(int word, int slot, char c) {
    if (word < 0 || slot < 0 || slot > 9) return;
    if (size_t(word) >= mWords.size()) mWords.resize(size_t(word) + 1, 0u);
    const int shift = 3 * slot;
    mWords[word] = (mWords[word] & ~(7u << shift)) | (CharCode(c) << shift);
}

char Sequence3Bit::Bit2Base(unsigned code) {
    switch (code) {
        case 0: return 'A';
        case 1: return 'C';
        case 2: return 'T';
        case 3: return 'G';
        case 4: return 'X';
        case 7: return 'N';
        default: return '?';
    }
}

bool Sequence3Bit::OnlyBases(int start, int len) const {
    long long last = (long long)start + len - 1;
    if (last > mBaseSize - 1) last = mBaseSize - 1;
    for (long long i = start < 0 ? 0 : start; i <= last; ++i)
        if (Code(int(i)) & 4u) return false;
    return true;
}

bool Sequence3Bit::ContainsNX(int start, int len) const { return !OnlyBases(start, len); }

void Sequence3Bit::ReserveBases(size_t n) {
    // Words needed once n more bases are in, counting the partly filled word.
    const size_t used = mBaseSize > 0 ? size_t(mWordIndex) + 1 : 0;
    const size_t free = mBaseSize > 0 ? size_t(10 - mSlot) : 0;
    if (n <= free) return;
    const size_t need = used + (n - free + 9) / 10;
    if (need > mWords.capacity()) mWords.reserve(std::max(need, mWords.capacity() * 3 / 2));
}

void Sequence3Bit::AppendChars(const char* s, size_t n) {
    // A read holds at most INT_MAX bases (positions are ints); anything beyond is not stored.
    if (n > size_t(INT_MAX - mBaseSize)) n = size_t(INT_MAX - mBaseSize);
    if (n == 0) return;
    ReserveBases(n);
    while (n > 0) {
        if (mSlot > 9) {
            ++mWordIndex;
            mSlot = 0;
        }
        if (size_t(mWordIndex) >= mWords.size()) mWords.resize(size_t(mWordIndex) + 1, 0u);
        uint32_t w = mWords[mWordIndex];
        size_t take = size_t(10 - mSlot);
        if (take > n) take = n;
        for (size_t j = 0; j < take; ++j) {
            const int shift = 3 * (mSlot + int(j));
            w = (w & ~(7u << shift)) | (CharCode(s[j]) << shift);
        }
        mWords[mWordIndex] = w;
        mSlot += int(take);
        mBaseSize += int(take);
        s += take;
        n -= take;
    }
}

void Sequence3Bit::ConcatenateCString(const char* s) { AppendChars(s, std::strlen(s)); }

void Sequence3Bit::ConcatenateCStringTrimLowQual(const char* s) {
    size_t n = 0;
    while (s[n] != 0 && !(uint8_t(s[n]) & 0x20)) ++n;
    AppendChars(s, n);
}

void Sequence3Bit::ConcatenateSequence(const Sequence& s) {
    if (!s.mBases.empty()) AppendChars(s.mBases.data(), s.mBases.size());
}

void Sequence3Bit::Concatenate(const Sequence3Bit& other) {
    // Copy first: other may be this read.
    const int n = other.mBaseSize;
    std::vector<char> codes(size_t(n > 0 ? n : 0));
    for (int i = 0; i < n; ++i) codes[i] = char(other.Code(i) << 1);  // (c >> 1) & 7 gives the code back
    AppendChars(codes.data(), codes.size());
}

void Sequence3Bit::Reverse(Sequence3Bit& dest) const {
    std::vector<char> codes(size_t(mBaseSize > 0 ? mBaseSize : 0));
    for (int i = 0; i < mBaseSize; ++i) codes[mBaseSize - 1 - i] = char(RoundTrip(Code(i)) << 1);
    dest.mWords.clear();
    dest.mName.clear();
    dest.mDescription.clear();
    dest.Init();
    dest.AppendChars(codes.data(), codes.size());
}

void Sequence3Bit::ReverseComplement(Sequence3Bit& dest) const {
    std::vector<char> codes(size_t(mBaseSize > 0 ? mBaseSize : 0));
    for (int i = 0; i < mBaseSize; ++i) {
        uint32_t c = RoundTrip(Code(i));
        if (c < 4) c ^= 2u;  // A<->T, C<->G; X and N stay
        codes[mBaseSize - 1 - i] = char(c << 1);
    }
    dest.AppendChars(codes.data(), codes.size());
}

void Sequence3Bit::GetSubSequence(Sequence3Bit& dest, int start, int end) const {
    // Read what we need before touching dest: dest may be this read.
    const std::string name = mName;
    const std::string description = mDescription;
    std::vector<char> letters;
    int s = start, e = end;
    bool empty = e < 0;
    if (!empty) {
        if (s < 0) s = 0;
        if (e >= mBaseSize) e = mBaseSize - 1;
        empty = (long long)e - s + 1 < 1;
    }
    if (!empty) {
        letters.reserve(size_t(e - s + 1));
        for (int i = s; i <= e; ++i) {
            const uint32_t c = Code(i);
            if (c == 5 || c == 6) continue;  // '?' is not a letter and is dropped
            letters.push_back(char(c << 1));
        }
    }
    dest.mWords.clear();
    dest.Init();
    if (empty) return;
    dest.AppendChars(letters.data(), letters.size());
    char range[64];
    std::snprintf(range, sizeof range, "[%ld,%ld]", long(s), long(e));
    dest.mDescription = description + range;
    dest.mName = name;
}

void Sequence3Bit::Print(std::ostream& os) const {
    if (mBaseSize == 0) {
        std::cout << "No sequence" << std::endl;
        return;
    }
    for (int i = 0; i < mBaseSize; ++i) {
        os << Bit2Base(Code(i));
        if (i != 0 && i % 50 == 0) os << std::endl;
    }
}

void Sequence3Bit::Bug(int n) const {
    std::cout << "You've found a bug n=" << n << " mBaseSize=" << mBaseSize << std::endl;
}
