#ifndef TOVRIN_ENGINE_INTENSITYMAP_H
#define TOVRIN_ENGINE_INTENSITYMAP_H

#include <cstddef>
#include <cstdint>
#include <vector>

// A whole-plot pixel: row on the query axis, column on the source axis.
struct Coord {
  int mY;
  int mX;
};

// mX * 1000000 + mY in wrapping unsigned 32-bit arithmetic.
struct CoordHashF {
  size_t operator()(const Coord& c) const {
    return static_cast<uint32_t>(static_cast<uint32_t>(c.mX) * 1000000u + static_cast<uint32_t>(c.mY));
  }
};

struct eqCoord {
  bool operator()(const Coord& a, const Coord& b) const { return a.mY == b.mY && a.mX == b.mX; }
};

// Hit count per non-empty pixel. Open addressing with linear probing over two
// flat arrays (packed key, count): 12 bytes a slot, no allocation per pixel.
// A slot is free when its count is 0, since stored pixels always count >= 1.
class IntensityMap {
public:
  explicit IntensityMap(size_t bucketHint = 100);

  // Adds n (>= 1) to the count of c, inserting c when absent.
  void Add(const Coord& c, int n = 1);
  // Count of c, or 0 when absent; never inserts.
  int Get(const Coord& c) const;
  // Removes every pixel; keeps the slot arrays for reuse.
  void Clear();
  // Makes room for n pixels without growing while they are added.
  void Reserve(size_t n);

  size_t size() const { return mSize; }
  bool empty() const { return mSize == 0; }
  size_t bucket_count() const { return mCounts.size(); }

  // Calls f(Coord, count) for every stored pixel, in slot order.
  template <class F> void ForEach(F f) const {
    for (size_t i = 0; i < mCounts.size(); ++i)
      if (mCounts[i] != 0) f(Unpack(mKeys[i]), mCounts[i]);
  }

private:
  // Key layout: bits 32-63 mY, bits 0-31 mX (both as unsigned 32-bit).
  static uint64_t Pack(const Coord& c) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(c.mY)) << 32) | static_cast<uint32_t>(c.mX);
  }
  static Coord Unpack(uint64_t k) {
    return Coord{static_cast<int>(static_cast<uint32_t>(k >> 32)), static_cast<int>(static_cast<uint32_t>(k))};
  }
  // CoordHashF leaves the low bits of mX * 1000000 at 0; a Fibonacci multiply
  // spreads every bit of it over the slot index taken from the top bits.
  size_t Slot(const Coord& c) const {
    return static_cast<size_t>((static_cast<uint64_t>(CoordHashF()(c)) * 0x9E3779B97F4A7C15ull) >> mShift);
  }
  void Rehash(size_t slots);

  std::vector<uint64_t> mKeys;
  std::vector<int> mCounts;
  size_t mSize;
  size_t mMask;
  unsigned mShift;
};

#endif
