#include "engine/Tovrin.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <iostream>
#include <unistd.h>

namespace {

// Pixels needed to hold a hit whose k-mer starts at maxPos: the hit is binned
// by the base just past its k-mer, so k is added before dividing.
int PixelsFor(long long maxPos, bool anyHit, long long k, long long scale) {
  const long long last = anyHit ? std::max(maxPos, 0LL) + k : std::max(maxPos, 0LL);
  return static_cast<int>(std::min<long long>(last / scale + 1, INT_MAX));
}

// Half the machine's memory: dense tables larger than this would be granted by
// the kernel's overcommit and then kill the hosting JVM when they are filled.
double TableByteLimit() {
  const long pages = sysconf(_SC_PHYS_PAGES), size = sysconf(_SC_PAGE_SIZE);
  if (pages <= 0 || size <= 0) return 1e18;
  return 0.5 * double(pages) * double(size);
}

}  // namespace

// One dense forward-hit table per query. The sizes come from ComputeStats,
// widened to the hit lists as they are now so that every hit has its cell:
// a hit near the largest position lands k bases further on, and statistics
// may be stale or missing when the queries or lists changed since.
void Tovrin::InitPixels2() {
  if (!ScaleUsable("InitPixels2")) return;
  const long long scale = mScale;
  const long long k = Mer::mMerSize;
  std::cout << "InitPixels Start" << std::endl;
  const size_t tables = Queries.mSeqs.size();
  const size_t binned = std::min(tables, FwdHitsVec.size());

  // mMaxSourceIdx can be set from Java; no hit lies past the longest source record.
  int longestRecord = 0;
  for (int n : mSourceIndex.mReadSizes) longestRecord = std::max(longestRecord, n);
  long long maxSource = std::min(mMaxSourceIdx, longestRecord);
  bool anyHit = false;
  std::vector<long long> maxQuery(tables, 0);
  std::vector<char> hasHit(tables, 0);
  for (size_t q = 0; q < tables; ++q) {
    if (q < mQueryMaxHitPos.size()) maxQuery[q] = mQueryMaxHitPos[q];
    if (q >= binned) continue;
    for (const auto& hit : FwdHitsVec[q]) {
      maxSource = std::max<long long>(maxSource, hit.mLocation.mPos);
      maxQuery[q] = std::max<long long>(maxQuery[q], static_cast<unsigned>(hit.mQueryPos));
    }
    hasHit[q] = !FwdHitsVec[q].empty();
    anyHit = anyHit || hasHit[q];
  }

  const int sourcePixels = PixelsFor(maxSource, anyHit, k, scale);
  double bytes = 0;
  for (size_t q = 0; q < tables; ++q)
    bytes += double(sourcePixels) * PixelsFor(maxQuery[q], hasHit[q] != 0, k, scale) * sizeof(int);
  if (bytes > TableByteLimit()) {
    std::cout << "InitPixels2: the tables would need " << static_cast<long long>(bytes)
              << " bytes, more than half of this machine's memory; nothing done" << std::endl;
    return;
  }

  for (auto& t : mPixels) t.DeAllocate();
  mPixels.clear();
  mPixels.resize(tables);
  for (size_t q = 0; q < tables; ++q) {
    const int queryPixels = PixelsFor(maxQuery[q], hasHit[q] != 0, k, scale);
    mPixels[q].Allocate(sourcePixels, queryPixels);
    std::cout << "SourcePixels = " << sourcePixels << "\tQueryPixels=" << queryPixels << std::endl;
    mPixels[q].Init(0);
  }
  for (size_t q = 0; q < binned; ++q) {
    Table<int>& t = mPixels[q];
    for (const auto& hit : FwdHitsVec[q]) {
      const long long row = (static_cast<long long>(hit.mLocation.mPos) + k) / scale;
      const long long col = (static_cast<long long>(static_cast<unsigned>(hit.mQueryPos)) + k) / scale;
      ++t.mData[static_cast<size_t>(row)][static_cast<size_t>(col)];
    }
  }
}

int Tovrin::GetRows(int q) {
  if (static_cast<unsigned>(q) < mPixels.size()) return mPixels[static_cast<unsigned>(q)].mRows;
  std::cout << "ERROR q=" << q << " > mPixels.size" << std::endl;
  return 0;
}

int Tovrin::GetCols(int q) {
  if (static_cast<unsigned>(q) < mPixels.size()) return mPixels[static_cast<unsigned>(q)].mCols;
  std::cout << "ERROR q=" << q << " > mPixels.size" << std::endl;
  return 0;
}

int Tovrin::GetTotalRows() {
  int total = 0;
  const int queries = GetNumQueries();
  for (int q = 0; q < queries; ++q) total += GetRows(q);
  return total;
}

// A cell outside the table is reported and read as 0; the engine stays usable.
int Tovrin::GetIntensity(int q, int x, int y) {
  if (static_cast<unsigned>(q) >= mPixels.size()) {
    std::cout << "ERROR GetIntensity q=" << q << " > mPixels.size" << std::endl;
    return 0;
  }
  const Table<int>& t = mPixels[static_cast<unsigned>(q)];
  if (y >= 0 && y < t.mRows && x >= 0 && x < t.mCols && static_cast<size_t>(y) < t.mData.size())
    return t.mData[static_cast<size_t>(y)][static_cast<size_t>(x)];
  std::cout << "ERROR GetIntensity x=" << x << " mCols=" << t.mCols << std::endl;
  std::cout << "ERROR GetIntensity y=" << y << " mRows=" << t.mRows << std::endl;
  return 0;
}
