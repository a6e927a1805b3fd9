#include "engine/Tovrin.h"

#include <iostream>

// A hit's pixel holds the base just past its k-mer on each axis. Rows count
// from the start of the hit's own query, so the queries overlay one another.
void Tovrin::InitPixels() {
  if (!ScaleUsable("InitPixels")) return;
  const long long scale = mScale;
  const long long k = Mer::mMerSize;
  std::cout << "InitPixels Start" << std::endl;
  mIntensityMap.Clear();
  mRevIntensityMap.Clear();
  auto bin = [&](const std::vector<MerSearchResultVec<SingleSourceMerLocation>>& lists, IntensityMap& map) {
    for (const auto& hits : lists)
      for (const auto& hit : hits) {
        const int x = static_cast<int>((static_cast<long long>(hit.mLocation.mPos) + k) / scale);
        const int y = static_cast<int>((static_cast<long long>(static_cast<unsigned>(hit.mQueryPos)) + k) / scale);
        map.Add(Coord{y, x});
      }
  };
  bin(FwdHitsVec, mIntensityMap);
  bin(RevHitsVec, mRevIntensityMap);
  std::cout << "InitPixels END" << std::endl;
  std::cout << "*** mIntensityMap.size=" << mIntensityMap.size()
            << " mRevIntensityMap.size=" << mRevIntensityMap.size() << std::endl;
}

// The maps hold every query together; q is not needed.
int Tovrin::GetIntensity2(int, int x, int y) { return mIntensityMap.Get(Coord{y, x}); }

int Tovrin::GetRevIntensity2(int, int x, int y) { return mRevIntensityMap.Get(Coord{y, x}); }

int Tovrin::GetTotalRows2() {
  if (!ScaleUsable("GetTotalRows2")) return 0;
  const int rows = mTotalQuerySize / mScale;
  std::cout << "TotalRows2 = " << rows << std::endl;
  return rows;
}

int Tovrin::GetCols2() {
  if (!ScaleUsable("GetCols2")) return 0;
  const int cols = mTotalSourceSize / mScale;
  std::cout << "TotalCols2 =" << cols << std::endl;
  return cols;
}
