// One nucleotide read packed three bits per base, ten bases per 32-bit word,
// and the container the source index keeps its reads in.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

class Sequence;

// Word layout: base i lies in mWords[i / 10], bits 3*(i % 10) .. 3*(i % 10) + 2;
// bits 30 and 31 stay 0. Code of a character c is (c >> 1) & 7:
// A 0, C 1, T 2, G 3, X 4, N 7 (case is lost; codes >= 4 are not bases).
class Sequence3Bit {
public:
    std::vector<uint32_t> mWords;  // packed codes
    std::string mName;             // first word of the FASTA header
    std::string mDescription;      // rest of the header after the name
    int mBaseSize = 0;             // bases held
    int mSlot = 0;                 // next slot to fill in word mWordIndex; 10 = that word is full
    int mWordIndex = 0;            // word being filled

    // Counters back to 0; words, name and description stay (later appends overwrite the words).
    void Init();
    int NumBases() const { return mBaseSize; }

    // 3-bit code of base i (0 <= i < mBaseSize).
    unsigned Code(int i) const { return (mWords[i / 10] >> (3 * (i % 10))) & 7u; }

    // Stores the code of c in slot (0..9) of word, replacing the bits there; when
    // word is the number of words a zero word is appended first. Counters untouched.
    void Set(int word, int slot, char c);

    // 0 'A', 1 'C', 2 'T', 3 'G', 4 'X', 7 'N', anything else '?'.
    static char Bit2Base(unsigned code);

    // True when no code in start .. min(start + len, mBaseSize) - 1 is 4 or more
    // (an empty range gives true). ContainsNX is its negation.
    bool OnlyBases(int start, int len) const;
    bool ContainsNX(int start, int len) const;

    void ConcatenateCString(const char* s);           // every character of s
    void ConcatenateCStringTrimLowQual(const char* s); // up to the first char with bit 0x20 set
    void ConcatenateSequence(const Sequence& s);      // every residue of s
    void Concatenate(const Sequence3Bit& other);      // other's codes unchanged
    // Appends n characters of s (NULs included); the bulk form behind the above.
    void AppendChars(const char* s, size_t n);

    // dest becomes the reversed read (name and description emptied); dest may be this read.
    void Reverse(Sequence3Bit& dest) const;
    // The reverse complement is appended to dest (its name and description are kept).
    // In both, codes 5 and 6 come back as 7 (N).
    void ReverseComplement(Sequence3Bit& dest) const;
    // dest becomes bases start..end (inclusive, clamped), codes 5 and 6 skipped,
    // description suffixed "[start,end]"; an empty range leaves dest without bases
    // and with its previous name and description.
    void GetSubSequence(Sequence3Bit& dest, int start, int end) const;

    // The letters to os; a line break after every base whose index is a non-zero
    // multiple of 50. An empty read writes "No sequence" on standard output.
    void Print(std::ostream& os) const;
    void Bug(int n) const;  // "You've found a bug n=..." line on standard output

    // Streaming FASTA readers (StreamRead.cpp). buf holds the header of the
    // record to read (or "1" to fetch it first) and is left holding the next
    // header. See StreamRead.h.
    bool GetNextRead(std::istream& in, char* buf, int bufSize);
    bool GetNextReadTrimLowQual(std::istream& in, char* buf, int bufSize);

    // Empties the bases: words cleared, counters 0 (name and description kept).
    void ClearBases();
    // Grows capacity ahead for n more bases, geometrically.
    void ReserveBases(size_t n);
};

class Sequence3BitVector {
public:
    std::vector<Sequence3Bit> mSeqs;
};
