// One k-mer packed two bits per base into 64 bits, with its hash and equality functors.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class Sequence;
class Sequence3Bit;

// Value V = mHigh * 2^32 + mLow; base i (0 = first) in bits 2i, 2i+1.
// 2-bit code of a character c: (c >> 1) & 3, A 0, C 1, T 2, G 3; complement = code ^ 2.
// Bits above base k-1 are 0 in every k-mer a constructor builds.
class Mer {
public:
    uint32_t mHigh;  // bases 16..31
    uint32_t mLow;   // bases 0..15

    // k, shared by the whole process; 1..32. Values outside that range are
    // clamped to 0..32 for the bit arithmetic so nothing shifts out of range.
    static int mMerSize;

    // The k-mer spelled by s once white space is removed (exactly k characters).
    explicit Mer(std::string s);
    // The k-mer spelled by all of s (exactly k residues).
    explicit Mer(const Sequence& s);
    // Residues start .. start+k-1; N/X and every other character packed by (c >> 1) & 3.
    Mer(const Sequence& s, int start);
    // The same; bad = true at the first N, n, X or x (words then hold the bases before it).
    Mer(const Sequence& s, int start, bool& bad);
    // Bases start .. start+k-1 of a packed read; codes >= 4 packed by their two low bits.
    Mer(const Sequence3Bit& s, int start);
    // The same; bad = true at the first code >= 4.
    Mer(const Sequence3Bit& s, int start, bool& bad);
    // On a size error the message goes to standard output and both words are 0
    // (bad, where present, false).

    // The k-mer of value v, masked to k bases (used by the indexing loops).
    static Mer FromValue(uint64_t v);

    void ReverseComplement();
    void ReverseComplement(const Mer& src);  // src may be this k-mer
    // Subset number (mHigh & 7) + 8 * (mLow & 15) equals s.
    bool InSubset(unsigned s) const;
    // s's residues become the k lower-case letters.
    void ToSequence(Sequence& s) const;
    // 0 'a', 1 'c', 2 't', 3 'g', anything else '?'.
    static char Bit2Base(unsigned code);

    uint64_t Value() const { return (uint64_t(mHigh) << 32) | mLow; }
    bool operator==(const Mer& o) const { return mHigh == o.mHigh && mLow == o.mLow; }
    bool operator!=(const Mer& o) const { return !(*this == o); }

    // k clamped to 0..32, and the mask of the low 2k bits.
    static int Bases();
    static uint64_t Mask();
    // Reverse complement of a 64-bit value under the current k.
    static uint64_t ReverseComplementValue(uint64_t v);

private:
    Mer(uint64_t v, int) : mHigh(uint32_t(v >> 32)), mLow(uint32_t(v)) {}
    void SetValue(uint64_t v) { mHigh = uint32_t(v >> 32); mLow = uint32_t(v); }
};

// mHigh ^ mLow.
struct MerHashF {
    size_t operator()(const Mer& m) const { return size_t(m.mHigh ^ m.mLow); }
};

// MerHashF of the smaller (mHigh first, then mLow) of m and its reverse complement.
struct MerSymmetricHashF {
    size_t operator()(const Mer& m) const;
};

// a equals b or b's reverse complement.
struct eqMerSymmetric {
    bool operator()(const Mer& a, const Mer& b) const;
};
