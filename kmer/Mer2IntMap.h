// Occurrence counts of k-mers, a k-mer and its reverse complement sharing one entry.
#pragma once

#include <iosfwd>
#include <string>
#include <unordered_map>

#include "kmer/Mer.h"
#include "kmer/Sequence3Bit.h"

class Mer2IntMap {
public:
    // Keyed by the orientation seen first. Counts stop at INT_MAX rather than overflow.
    std::unordered_map<Mer, int, MerSymmetricHashF, eqMerSymmetric> mCounts;
    int mTotalMers = 0;  // occurrences counted since construction (stops at INT_MAX)

    void Add(const Mer& m);
    // Every valid k-mer of the read, starts 0 .. mBaseSize - k.
    void Add(const Sequence3Bit& read);
    // The valid k-mers whose InSubset(subset) holds, in the orientation read.
    void Add(const Sequence3Bit& read, unsigned subset);
    // The valid k-mers at starts 0 .. mBaseSize - k - 1 that begin with prefix.
    void Add(const Sequence3Bit& read, const std::string& prefix);
    // The read's letters from start spell prefix, case ignored; false when the
    // prefix runs outside the read.
    bool BeginsWith(const std::string& prefix, const Sequence3Bit& read, int start) const;
    // Every record of a FASTA stream, high-quality (upper-case) bases only, read
    // with GetNextReadTrimLowQual through gseqbuf2 (primed with "1" first); stops
    // at the end of the stream or when the reader makes no progress.
    void Add(std::istream& in);
    void Add(std::istream& in, unsigned subset);
    // The prefix form, with a progress line every 20000 reads.
    void Add(std::istream& in, std::string prefix);
};
