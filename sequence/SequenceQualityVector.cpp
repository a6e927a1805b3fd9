#include "sequence/SequenceQualityVector.h"

#include <ostream>
#include <utility>

void SequenceQualityVector::GrowVec()
{
    mRecords.emplace_back();
}

void SequenceQualityVector::AddQuality(const SequenceQuality& q)
{
    // Growing may move q when it lives in mRecords, so copy it first.
    SequenceQuality copy(q);
    GrowVec();
    SequenceQuality& dst = mRecords.back();
    dst.mQuals.reserve(copy.mQuals.size());
    for (int value : copy.mQuals) dst.mQuals.push_back(value);
    dst.mDescription = std::move(copy.mDescription);
    dst.mName = std::move(copy.mName);
}

int SequenceQualityVector::Phred20Total() const
{
    int total = 0;
    for (const SequenceQuality& q : mRecords) total += q.CountPhred20();
    return total;
}

void SequenceQualityVector::Phred20Stats(float& mean, float& variance) const
{
    const int n = static_cast<int>(mRecords.size());
    std::vector<float> counts;
    counts.reserve(mRecords.size());
    double sum = 0.0;
    for (const SequenceQuality& q : mRecords) {
        const float c = static_cast<float>(q.CountPhred20());
        counts.push_back(c);
        sum += c;
    }
    mean = static_cast<float>(sum / n);   // 0/0 gives NaN for an empty collection
    double squares = 0.0;
    for (float c : counts) {
        const float d = c - mean;
        squares += static_cast<double>(d) * static_cast<double>(d);
    }
    variance = static_cast<float>((1.0 / (n - 1)) * squares);
}

void SequenceQualityVector::Print(std::ostream& out) const
{
    for (const SequenceQuality& q : mRecords) q.Print(out);
}
