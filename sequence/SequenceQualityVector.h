// The quality records of a whole quality file, in file order, with the
// statistics of their Phred20 counts.
#pragma once

#include <iosfwd>
#include <vector>

#include "sequence/SequenceQuality.h"

class SequenceQualityVector {
public:
    std::vector<SequenceQuality> mRecords;

    void GrowVec();                          // appends one empty record
    // Appends a copy of q's values, description and name as a new record; q
    // may be a record of this collection.
    void AddQuality(const SequenceQuality& q);
    int Phred20Total() const;                // sum of CountPhred20 over the records
    // Mean and sample variance of the per-record Phred20 counts: NaN mean and
    // -0.0 variance with no records, NaN variance with one.
    void Phred20Stats(float& mean, float& variance) const;
    void Print(std::ostream& out) const;     // Print(out) of every record
};
