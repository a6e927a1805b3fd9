#ifndef TOVRIN_ENGINE_TOVRIN_H
#define TOVRIN_ENGINE_TOVRIN_H

#include <cstdint>
#include <string>
#include <vector>

#include "engine/IntensityMap.h"
#include "engine/Table.h"
#include "kmer/MerHashMap.h"
#include "sequence/SequenceVector.h"

// The dot-plot engine that Java drives through MarluJNI. It owns the plot
// parameters and everything one plot needs; the field order is fixed.
//
// Call order: ReadSource(Thinned), ReadQueries, Compare(Thinned), ComputeStats,
// then InitPixels (whole-plot maps) and/or InitPixels2 (per-query tables), then
// the getters. A scale or sample step below 1, or a k-mer length outside 1..32,
// is refused with one line on standard output by the operation that needs it.
class Tovrin {
public:
  int mSkip;              // stored for Java only, never read by the engine
  int mSampleIncrement;   // step between sampled query positions
  int mScale;             // bases per pixel
  int mMaxQueryIdx;       // largest query position of any forward hit
  int mTotalQuerySize;    // sum of query lengths
  int mTotalSourceSize;   // sum of indexed source lengths
  int mMaxSourceIdx;      // largest source position of any forward hit
  int mWindowHeight;      // plot height in pixels
  int mWindowWidth;       // plot width in pixels
  uint64_t mThinModulus;  // k-mer takes part in thinning if value % modulus == remainder
  uint64_t mThinRemainder;
  IntensityMap mIntensityMap;     // forward hits per whole-plot pixel
  IntensityMap mRevIntensityMap;  // reverse-complement hits per whole-plot pixel
  std::vector<int> mQueryRows;       // per query: pixel rows it spans
  std::vector<int> mQueryRowStart;   // per query: first row when stacked
  std::vector<int> mQueryMaxHitPos;  // per hit list: largest forward-hit query position
  std::vector<Table<int>> mPixels;     // per query: rows = source pixels, columns = query pixels
  std::vector<Table<int>> mRevPixels;  // never filled
  MerHashMap<MerHashF, SingleSourceMerLocation> mSourceIndex;
  std::vector<MerSearchResultVec<SingleSourceMerLocation>> FwdHitsVec;  // forward hits of query q
  std::vector<MerSearchResultVec<SingleSourceMerLocation>> RevHitsVec;  // reverse-complement hits of query q
  SequenceVector Queries;

  Tovrin();
  ~Tovrin();

  int GetScale();
  void SetScale(int s);

  // Source: the first two records of a FASTA file, added to the index.
  void ReadSource(std::string path);
  void ReadSourceThinned(std::string path);
  // Sets the process-wide k-mer length (no engine field); a value outside
  // 1..32 is refused and the previous length kept.
  static void SetMerSize(int k);

  // Queries: every record of a FASTA file, replacing the previous ones.
  void ReadQueries(std::string path);
  int GetNumQueries();

  void Compare();
  void CompareThinned();

  void ComputeStats();

  // Whole-plot view: all queries binned onto one grid, forward and reverse.
  void InitPixels();
  int GetIntensity2(int q, int x, int y);
  int GetRevIntensity2(int q, int x, int y);
  int GetTotalRows2();
  int GetCols2();

  // Per-query view: one dense table of forward hits per query.
  void InitPixels2();
  int GetRows(int q);
  int GetCols(int q = 0);
  int GetTotalRows();
  int GetIntensity(int q, int x, int y);

private:
  void CompareQueries(bool thinned);
  void CompareSampledQuery(const Sequence& query, size_t end, size_t step,
                           MerSearchResultVec<SingleSourceMerLocation>& fwd,
                           MerSearchResultVec<SingleSourceMerLocation>& rev);
  void CompareThinnedQuery(const Sequence& query, size_t end,
                           MerSearchResultVec<SingleSourceMerLocation>& fwd,
                           MerSearchResultVec<SingleSourceMerLocation>& rev);
  // False, with one line naming op, when mScale cannot divide.
  bool ScaleUsable(const char* op) const;
};

#endif
