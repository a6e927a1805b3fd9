#include "engine/Tovrin.h"

#include <cstddef>
#include <cstdint>
#include <iostream>

namespace {

using HitList = MerSearchResultVec<SingleSourceMerLocation>;

// Sampled positions whose table slots are requested before their lookup.
const size_t kPrefetchAhead = 16;

// Keeps the first hit of every run of consecutive hits with the same location
// word (position and reverse flag); returns how many were dropped. One pass,
// the same result as erasing each repeat in place.
int RemoveRedundant(HitList& hits) {
  if (hits.size() < 2) return 0;
  size_t kept = 0;
  for (size_t i = 1; i < hits.size(); ++i) {
    if (hits[i].mLocation.Word() == hits[kept].mLocation.Word()) continue;
    if (++kept != i) hits[kept] = hits[i];
  }
  const int removed = static_cast<int>(hits.size() - (kept + 1));
  hits.resize(kept + 1);
  return removed;
}

// The 64-bit value of the k-mer at successive query positions, rolled one base
// at a time: what Mer(query, pos).Value() gives (base i in bits 2i and 2i+1,
// code (c >> 1) & 3 for every character), without rebuilding it from k characters.
class RollingValue {
public:
  RollingValue(const Sequence& query, size_t pos, int k)
      : mBases(query.mBases.data()), mNext(pos + static_cast<size_t>(k)), mTop(2 * (k - 1)), mValue(0) {
    for (int i = 0; i < k; ++i) mValue |= Code(mBases[pos + static_cast<size_t>(i)]) << (2 * i);
  }
  uint64_t Value() const { return mValue; }
  // Moves to the next position; its k-mer must lie inside the query.
  void Advance() { mValue = (mValue >> 2) | (Code(mBases[mNext++]) << mTop); }

private:
  static uint64_t Code(char c) { return (static_cast<unsigned char>(c) >> 1) & 3u; }
  const char* mBases;
  size_t mNext;  // the character that enters on the next Advance
  int mTop;      // bit of the last base
  uint64_t mValue;
};

void ReportProgress(size_t pos) {
  if ((pos + 1) % 100000 == 0) std::cout << static_cast<int>(pos) << " query bases searched." << std::endl;
}

// Positions whose thinned k-mer is looked at this far ahead of the lookups, to
// fetch the table slots of the ones that pass (about one in eleven) in time.
const size_t kThinnedLead = 96;

}  // namespace

// Every step-th position below end. The positions are known ahead, so the table
// slots of each lookup are requested kPrefetchAhead lookups early: the lookups
// otherwise wait on memory.
void Tovrin::CompareSampledQuery(const Sequence& query, size_t end, size_t step,
                                 MerSearchResultVec<SingleSourceMerLocation>& fwd,
                                 MerSearchResultVec<SingleSourceMerLocation>& rev) {
  const size_t ahead = kPrefetchAhead * step;
  for (size_t p = 0; p < end && p < ahead; p += step) mSourceIndex.PrefetchMer(query, static_cast<int>(p));
  for (size_t pos = 0; pos < end; pos += step) {
    if (pos + ahead < end) mSourceIndex.PrefetchMer(query, static_cast<int>(pos + ahead));
    ReportProgress(pos);
    mSourceIndex.FindMerLocations(query, static_cast<int>(pos), fwd);
    mSourceIndex.FindRevMerLocations(query, static_cast<int>(pos), rev);
  }
}

// Every position below end whose k-mer value passes the thinning test. The value
// is rolled along the query; a second rolling value kThinnedLead positions ahead
// prefetches the slots of the positions that will pass.
void Tovrin::CompareThinnedQuery(const Sequence& query, size_t end,
                                 MerSearchResultVec<SingleSourceMerLocation>& fwd,
                                 MerSearchResultVec<SingleSourceMerLocation>& rev) {
  if (end == 0) return;
  const int k = Mer::mMerSize;
  if (k < 1 || k > 32) {  // no rolling value for a length the k-mer cannot hold
    for (size_t pos = 0; pos < end; ++pos) {
      ReportProgress(pos);
      if (Mer(query, static_cast<int>(pos)).Value() % mThinModulus != mThinRemainder) continue;
      mSourceIndex.FindMerLocations(query, static_cast<int>(pos), fwd);
      mSourceIndex.FindRevMerLocations(query, static_cast<int>(pos), rev);
    }
    return;
  }
  RollingValue here(query, 0, k);
  const bool leading = kThinnedLead < end;
  RollingValue lead(query, leading ? kThinnedLead : 0, k);
  for (size_t pos = 0; pos < end; ++pos) {
    const size_t next = pos + kThinnedLead;
    if (leading && next < end) {
      if (lead.Value() % mThinModulus == mThinRemainder) mSourceIndex.PrefetchMer(query, static_cast<int>(next));
      if (next + 1 < end) lead.Advance();
    }
    ReportProgress(pos);
    if (here.Value() % mThinModulus == mThinRemainder) {
      mSourceIndex.FindMerLocations(query, static_cast<int>(pos), fwd);
      mSourceIndex.FindRevMerLocations(query, static_cast<int>(pos), rev);
    }
    if (pos + 1 < end) here.Advance();
  }
}

void Tovrin::Compare() { CompareQueries(false); }

void Tovrin::CompareThinned() { CompareQueries(true); }

void Tovrin::CompareQueries(bool thinned) {
  if (!thinned && mSampleIncrement < 1) {
    std::cout << "Compare: sample increment " << mSampleIncrement << " is below 1; nothing compared"
              << std::endl;
    return;
  }
  if (thinned && mThinModulus == 0) {
    std::cout << "CompareThinned: thinning modulus is 0; nothing compared" << std::endl;
    return;
  }
  const size_t step = thinned ? 1 : static_cast<size_t>(mSampleIncrement);
  std::cout << "Compare query to source..." << std::endl;
  for (size_t q = 0; q < Queries.mSeqs.size(); ++q) {
    // List q keeps what it held; later lists of an earlier comparison go.
    FwdHitsVec.resize(q + 1);
    RevHitsVec.resize(q + 1);
    HitList& fwd = FwdHitsVec[q];
    HitList& rev = RevHitsVec[q];
    const Sequence& query = Queries.mSeqs[q];
    const size_t len = query.mBases.size();
    std::cout << "Query.size=" << len << std::endl;
    // Positions below len - 31: the last one still holds a whole 32-base k-mer.
    // A query of 31 bases or fewer has none.
    const size_t end = len > 31 ? len - 31 : 0;
    if (thinned) CompareThinnedQuery(query, end, fwd, rev);
    else CompareSampledQuery(query, end, step, fwd, rev);
    std::cout << "done." << std::endl;
    if (!thinned) {
      for (const auto& hit : fwd) {
        const int v = static_cast<int>(hit.mLocation.mPos);
        if (v >= 350001 && v <= 599999) std::cout << "Compare bugSourceIdx = " << v << std::endl;
      }
    }
    std::cout << "Removing redundant entries..." << std::flush;
    int removed = RemoveRedundant(fwd);
    removed += RemoveRedundant(rev);
    std::cout << removed << " removed." << std::endl;
  }
}
