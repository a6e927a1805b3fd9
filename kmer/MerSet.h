// A set of k-mers without positions, meant as a kill set of repeat k-mers.
#pragma once

#include <iosfwd>
#include <unordered_set>

#include "kmer/Mer.h"
#include "kmer/Sequence3Bit.h"

class MerSet {
public:
    std::unordered_set<Mer, MerHashF> mMers;  // each k-mer once, as added

    // Every valid k-mer (no code >= 4) of the read, starts 0 .. mBaseSize - k.
    void Add(const Sequence3Bit& read);
    // Every valid k-mer of every record of a FASTA stream, read with GetNextRead
    // through gseqbuf2 (primed with "1" first); stops at the end of the stream.
    void Add(std::istream& in);
    // Table lines "kmer count": adds each k-mer of exactly k letters whose count
    // is >= minCount. A progress line every 500000 lines.
    void ReadRepeatMers(std::istream& in, int minCount);
    // m or its reverse complement is in the set.
    bool ContainsFWDREV(Mer m) const;
};
