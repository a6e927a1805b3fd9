#include "engine/Tovrin.h"

#include <cstddef>
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

}  // namespace

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
    // The table lookups miss the cache; sampled positions are known ahead, so
    // their slots are fetched a few lookups early.
    const size_t ahead = thinned ? 0 : kPrefetchAhead * step;
    for (size_t p = 0; p < end && p < ahead; p += step) mSourceIndex.PrefetchMer(query, static_cast<int>(p));
    for (size_t pos = 0; pos < end; pos += step) {
      if (ahead != 0 && pos + ahead < end) mSourceIndex.PrefetchMer(query, static_cast<int>(pos + ahead));
      if ((pos + 1) % 100000 == 0) std::cout << static_cast<int>(pos) << " query bases searched." << std::endl;
      const int p = static_cast<int>(pos);
      if (thinned) {
        const Mer mer(query, p);
        if (mer.Value() % mThinModulus != mThinRemainder) continue;
      }
      mSourceIndex.FindMerLocations(query, p, fwd);
      mSourceIndex.FindRevMerLocations(query, p, rev);
    }
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
