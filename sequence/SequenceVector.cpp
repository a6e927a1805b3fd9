#include "sequence/SequenceVector.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <limits>
#include <ostream>

bool lt_myint(int a, int b) { return a > b; }

void SequenceVector::GrowVec() {
    mSeqs.emplace_back();
    mSeqs.back().mDescription = "Empty";
}

void SequenceVector::AddSequence(const Sequence& s) {
    // s may live in mSeqs itself, so copy what is needed before growing it.
    std::vector<char> bases(s.mBases);
    std::string description(s.mDescription), name(s.mName);
    GrowVec();
    Sequence& e = mSeqs.back();
    e.mBases.swap(bases);
    e.mDescription.swap(description);
    e.mName.swap(name);
}

void SequenceVector::AddSubSequence(const Sequence& s, long from, long to) {
    Sequence part;
    s.GetSubSequence(part, from, to);
    char suffix[64];
    std::snprintf(suffix, sizeof suffix, "[%ld,%ld]", from, to);
    part.mDescription = s.mDescription + suffix;
    part.mName = s.mName;
    mSeqs.push_back(std::move(part));
}

int SequenceVector::TotalBases() const {
    long long total = 0;
    for (const Sequence& s : mSeqs) total += static_cast<long long>(s.mBases.size());
    return total > INT_MAX ? INT_MAX : static_cast<int>(total);
}

int SequenceVector::MaxSize() const {
    size_t best = 0;
    for (const Sequence& s : mSeqs) best = std::max(best, s.mBases.size());
    return best > INT_MAX ? INT_MAX : static_cast<int>(best);
}

void SequenceVector::GetSortedSizes(std::vector<int>& sizes) const {
    sizes.reserve(sizes.size() + mSeqs.size());
    for (const Sequence& s : mSeqs)
        sizes.push_back(s.mBases.size() > INT_MAX ? INT_MAX : static_cast<int>(s.mBases.size()));
    std::sort(sizes.begin(), sizes.end(), lt_myint);
}

int SequenceVector::N50() const {
    std::vector<int> sizes;
    GetSortedSizes(sizes);
    const long long half = static_cast<long long>(static_cast<float>(TotalBases()) * 0.5f);
    long long sum = 0;
    for (int size : sizes) {
        sum += size;
        if (sum >= half) return size;
    }
    return 0;  // empty collection
}

void SequenceVector::SizeStats(float& mean, float& spread) const {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const size_t n = mSeqs.size();
    double sum = 0;
    for (const Sequence& s : mSeqs) sum += static_cast<double>(s.mBases.size());
    // No sequences: 0 / 0. One sequence: the sample variance divides by zero.
    mean = static_cast<float>(n == 0 ? nan : sum / static_cast<double>(n));
    double squares = 0;
    for (const Sequence& s : mSeqs) {
        double d = static_cast<double>(s.mBases.size()) - static_cast<double>(mean);
        squares += d * d;
    }
    if (n == 0) spread = 0.0f;
    else if (n == 1) spread = static_cast<float>(nan);
    else spread = static_cast<float>((1.0 / static_cast<double>(n - 1)) * squares);
}

void SequenceVector::FindEndOf(const Sequence& pattern, int& index, long& pos, bool& reverse) {
    pos = -1;
    index = static_cast<int>(mSeqs.size()) - 1;  // -1 when there is nothing to probe
    for (size_t i = 0; i < mSeqs.size(); ++i) {
        int r = mSeqs[i].FindEndOf(pattern, reverse);
        if (r >= 0) {
            index = static_cast<int>(i);
            pos = r;
            return;
        }
    }
}

void SequenceVector::Print(std::ostream& os) const {
    for (const Sequence& s : mSeqs) {
        os << s.mName << " " << s.mDescription << std::endl;
        s.Print(os);
    }
}
