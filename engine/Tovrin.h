#ifndef TOVRIN_ENGINE_TOVRIN_H
#define TOVRIN_ENGINE_TOVRIN_H

#include <cstdint>

// The dot-plot engine that Java drives through MarluJNI. It owns the plot
// parameters and everything one plot needs; the field order is fixed.
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

  Tovrin();
  ~Tovrin();

  int GetScale();
  void SetScale(int s);
};

#endif
