#include "engine/IntensityMap.h"

#include <algorithm>

namespace {
// Smallest power of two holding n pixels at a load factor of at most 1/2.
size_t SlotsFor(size_t n) {
  size_t slots = 16;
  while (slots < 2 * n) slots <<= 1;
  return slots;
}
}  // namespace

IntensityMap::IntensityMap(size_t bucketHint) : mSize(0), mMask(0), mShift(64) {
  Rehash(SlotsFor(bucketHint / 2 + 1));
}

void IntensityMap::Rehash(size_t slots) {
  std::vector<uint64_t> keys(slots, 0);
  std::vector<int> counts(slots, 0);
  unsigned shift = 64;
  for (size_t s = slots; s > 1; s >>= 1) --shift;
  keys.swap(mKeys);
  counts.swap(mCounts);
  mMask = slots - 1;
  mShift = shift;
  for (size_t i = 0; i < counts.size(); ++i) {
    if (counts[i] == 0) continue;
    size_t j = Slot(Unpack(keys[i]));
    while (mCounts[j] != 0) j = (j + 1) & mMask;
    mKeys[j] = keys[i];
    mCounts[j] = counts[i];
  }
}

void IntensityMap::Reserve(size_t n) {
  if (2 * n > mCounts.size()) Rehash(SlotsFor(n));
}

void IntensityMap::Add(const Coord& c, int n) {
  const uint64_t key = Pack(c);
  size_t j = Slot(c);
  while (mCounts[j] != 0) {
    if (mKeys[j] == key) {
      mCounts[j] += n;
      return;
    }
    j = (j + 1) & mMask;
  }
  mKeys[j] = key;
  mCounts[j] = n;
  if (2 * ++mSize > mCounts.size()) Rehash(mCounts.size() * 2);
}

int IntensityMap::Get(const Coord& c) const {
  const uint64_t key = Pack(c);
  size_t j = Slot(c);
  while (mCounts[j] != 0) {
    if (mKeys[j] == key) return mCounts[j];
    j = (j + 1) & mMask;
  }
  return 0;
}

void IntensityMap::Clear() {
  std::fill(mCounts.begin(), mCounts.end(), 0);
  mSize = 0;
}
