#include "engine/Tovrin.h"

#include <algorithm>
#include <cstddef>
#include <iostream>

// Sizes the plot from the last comparison. Maxima are taken over the forward
// hits of every list; the per-query rows over every query. When queries were
// re-read since the comparison the two counts differ: that is reported on
// standard error and each pass stays within its own list.
void Tovrin::ComputeStats() {
  const size_t lists = FwdHitsVec.size();
  const size_t queries = Queries.mSeqs.size();
  if (lists != queries)
    std::cerr << "HEY FwdHitsVec.size=" << lists << " Queries.size=" << queries << std::endl;
  if (!ScaleUsable("ComputeStats")) return;
  std::cout << "ComputeStats..." << std::flush;

  mQueryMaxHitPos.resize(lists);
  mQueryRows.resize(queries);
  mQueryRowStart.resize(queries);
  const size_t scale = static_cast<size_t>(mScale);

  int maxQuery = 0, maxSource = 0;
  for (size_t q = 0; q < lists; ++q) {
    int maxHere = 0;
    for (const auto& hit : FwdHitsVec[q]) {
      maxSource = std::max(maxSource, static_cast<int>(hit.mLocation.mPos));
      maxHere = std::max(maxHere, hit.mQueryPos);
    }
    mQueryMaxHitPos[q] = maxHere;
    maxQuery = std::max(maxQuery, maxHere);
  }
  long long rows = 0, querySize = 0;
  for (size_t q = 0; q < queries; ++q) {
    const size_t len = Queries.mSeqs[q].mBases.size();
    mQueryRowStart[q] = static_cast<int>(rows);
    mQueryRows[q] = static_cast<int>(len / scale + 1);
    rows += mQueryRows[q];
    querySize += static_cast<long long>(len);
  }
  long long sourceSize = 0;
  for (const auto& read : mSourceIndex.mReads.mSeqs) sourceSize += read.mBaseSize;

  mMaxSourceIdx = maxSource;
  mMaxQueryIdx = maxQuery;
  mTotalQuerySize = static_cast<int>(querySize);
  mTotalSourceSize = static_cast<int>(sourceSize);
  std::cout << "TotalQuerySize=" << mTotalQuerySize << std::endl;
  std::cout << "TotalSourceSize=" << mTotalSourceSize << std::endl;
  mWindowWidth = mTotalSourceSize / mScale + 1;
  mWindowHeight = mTotalQuerySize / mScale + 1;
  std::cout << "WindowWidth=" << mWindowWidth << std::endl;
  std::cout << "WindowHeight=" << mWindowHeight << std::endl;
  std::cout << "done." << std::endl;
}
