#include "engine/Tovrin.h"

// Values written later by ComputeStats start at 0 so that nothing reads garbage.
Tovrin::Tovrin()
    : mSkip(0), mSampleIncrement(10), mScale(200), mMaxQueryIdx(0),
      mTotalQuerySize(0), mTotalSourceSize(0), mMaxSourceIdx(0),
      mWindowHeight(0), mWindowWidth(0), mThinModulus(11), mThinRemainder(0) {}

// Every container is a member held by value and releases itself.
Tovrin::~Tovrin() {}

int Tovrin::GetScale() { return mScale; }

void Tovrin::SetScale(int s) { mScale = s; }
