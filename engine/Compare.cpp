#include "engine/Tovrin.h"

#include <cstddef>
#include <cstdint>
#include <iostream>

namespace {

using HitList = MerSearchResultVec<SingleSourceMerLocation>;

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

void ReportProgress(size_t pos) {
  if ((pos + 1) % 100000 == 0) std::cout << static_cast<int>(pos) << " query bases searched." << std::endl;
}

// Looked-up positions whose table slots are requested before their lookup.
const size_t kLookupsAhead = 16;

// Looks up, in increasing order, the query positions below end that visit(pos,
// value) accepts; visit sees every position. The forward value and the value of
// the reverse complement are rolled together one base at a time, exactly as
// Mer(query, pos) packs them (code (c >> 1) & 3 for every character, N and all;
// the complement of a code is code ^ 2), so no k-mer is rebuilt from k
// characters. Accepted positions wait in a small ring while what their lookups
// read is fetched: the lookups otherwise wait on memory. k is 1..32; end + k - 1 bases
// lie inside the query.
template <class Visit>
void LookupRolled(const SourceMerIndex& index, const Sequence& query, size_t end, int k, Visit visit,
                  HitList& fwd, HitList& rev) {
  struct Pending {
    uint64_t mFwd;
    uint64_t mRev;
    int mPos;
  };
  Pending ring[kLookupsAhead];
  size_t head = 0, pending = 0;
  const char* bases = query.mBases.data();
  const uint64_t mask = Mer::Mask();
  const int top = 2 * (k - 1);
  const size_t basesRead = end + static_cast<size_t>(k) - 1;
  uint64_t f = 0, r = 0;
  for (size_t i = 0; i < basesRead; ++i) {
    const uint64_t code = (static_cast<unsigned char>(bases[i]) >> 1) & 3u;
    f = (f >> 2) | (code << top);
    r = ((r << 2) | (code ^ 2u)) & mask;
    if (i + 1 < static_cast<size_t>(k)) continue;
    const size_t pos = i + 1 - static_cast<size_t>(k);
    if (!visit(pos, f)) continue;
    if (pending == kLookupsAhead) {
      const Pending& p = ring[head];
      index.FindValueLocations(p.mFwd, p.mPos, 0, fwd);
      index.FindValueLocations(p.mRev, p.mPos, 0x80000000u, rev);
      head = (head + 1) % kLookupsAhead;
      --pending;
    }
    index.PrefetchValue(f);
    index.PrefetchValue(r);
    ring[(head + pending) % kLookupsAhead] = Pending{f, r, static_cast<int>(pos)};
    ++pending;
    // Half-way through the ring the slots requested above have arrived: fetch
    // what they point to.
    if (pending > kLookupsAhead / 2) {
      const Pending& p = ring[(head + pending - 1 - kLookupsAhead / 2) % kLookupsAhead];
      index.PrefetchValueLocations(p.mFwd);
      index.PrefetchValueLocations(p.mRev);
    }
  }
  for (; pending > 0; --pending, head = (head + 1) % kLookupsAhead) {
    const Pending& p = ring[head];
    index.FindValueLocations(p.mFwd, p.mPos, 0, fwd);
    index.FindValueLocations(p.mRev, p.mPos, 0x80000000u, rev);
  }
}

}  // namespace

// Every step-th position below end.
void Tovrin::CompareSampledQuery(const Sequence& query, size_t end, size_t step,
                                 MerSearchResultVec<SingleSourceMerLocation>& fwd,
                                 MerSearchResultVec<SingleSourceMerLocation>& rev) {
  if (end == 0) return;
  const int k = Mer::mMerSize;
  if (k < 1 || k > 32) {  // no k-mer of such a length is ever found
    for (size_t pos = 0; pos < end; pos += step) ReportProgress(pos);
    return;
  }
  size_t untilNext = 0;  // positions to the next sampled one
  LookupRolled(
      mSourceIndex, query, end, k,
      [&](size_t pos, uint64_t) {
        if (untilNext != 0) {
          --untilNext;
          return false;
        }
        untilNext = step - 1;
        ReportProgress(pos);
        return true;
      },
      fwd, rev);
}

// Every position below end whose k-mer value passes the thinning test, which
// is taken once per position on the rolled value.
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
  const uint64_t modulus = mThinModulus, remainder = mThinRemainder;
  LookupRolled(
      mSourceIndex, query, end, k,
      [&](size_t pos, uint64_t value) {
        ReportProgress(pos);
        return value % modulus == remainder;
      },
      fwd, rev);
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
