#include "engine/Tovrin.h"

#include <iostream>

// Values written later by ComputeStats start at 0 so that nothing reads garbage.
// Constructing an engine resets the process-wide k-mer length to 32.
Tovrin::Tovrin()
    : mSkip(0), mSampleIncrement(10), mScale(200), mMaxQueryIdx(0),
      mTotalQuerySize(0), mTotalSourceSize(0), mMaxSourceIdx(0),
      mWindowHeight(0), mWindowWidth(0), mThinModulus(11), mThinRemainder(0),
      mIntensityMap(100), mRevIntensityMap(100), mSourceIndex(100) {
  Mer::mMerSize = 32;
}

// Every container is a member held by value and releases itself.
Tovrin::~Tovrin() {}

int Tovrin::GetScale() { return mScale; }

void Tovrin::SetScale(int s) { mScale = s; }

bool Tovrin::ScaleUsable(const char* op) const {
  if (mScale >= 1) return true;
  std::cout << op << ": scale " << mScale << " is below 1 base per pixel; nothing done" << std::endl;
  return false;
}
