// An ordered collection of Sequence (file order) with length statistics and
// a search across all members in both orientations.
#pragma once

#include <iosfwd>
#include <vector>

#include "sequence/Sequence.h"

// Ordering for sorting sizes largest first.
bool lt_myint(int a, int b);

class SequenceVector {
public:
    std::vector<Sequence> mSeqs;

    void GrowVec();                        // appends an empty Sequence described "Empty"
    void AddSequence(const Sequence& s);   // copy of residues, name, description (no caches)
    // s's residues from..to (clamped); description always gets "[from,to]" as passed.
    void AddSubSequence(const Sequence& s, long from, long to);

    int TotalBases() const;  // saturates at INT_MAX
    int MaxSize() const;     // 0 when empty
    // Appends every length to sizes (not cleared), then sorts all of sizes largest first.
    void GetSortedSizes(std::vector<int>& sizes) const;
    int N50() const;         // 0 when empty
    // mean length and sample variance (no square root); NaN where undefined.
    void SizeStats(float& mean, float& spread) const;

    // First sequence holding pattern (forward or reverse complement): index of
    // that sequence, pos = index of the match's last residue. Not found: pos =
    // -1, index = last index probed (-1 for an empty collection). Lower-cases
    // every sequence probed.
    void FindEndOf(const Sequence& pattern, int& index, long& pos, bool& reverse);

    // Per sequence: "name description" (flushed), then Sequence::Print.
    void Print(std::ostream& os) const;
};
