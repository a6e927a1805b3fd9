#include "engine/IntensityMap.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <random>
#include <utility>

TEST(CoordHashF, IsColumnTimesMillionPlusRowWrapping) {
  CoordHashF h;
  EXPECT_EQ(h(Coord{7, 3}), 3000007u);
  EXPECT_EQ(h(Coord{0, 0}), 0u);
  // 5000 * 1000000 wraps in 32 bits.
  EXPECT_EQ(h(Coord{1, 5000}), static_cast<size_t>(static_cast<uint32_t>(5000u * 1000000u + 1u)));
  EXPECT_EQ(h(Coord{-1, 0}), 0xFFFFFFFFu);
}

TEST(eqCoord, ComparesBothMembers) {
  eqCoord eq;
  EXPECT_TRUE(eq(Coord{1, 2}, Coord{1, 2}));
  EXPECT_FALSE(eq(Coord{1, 2}, Coord{2, 1}));
  EXPECT_FALSE(eq(Coord{1, 2}, Coord{1, 3}));
}

TEST(IntensityMap, CountsAndNeverInsertsOnLookup) {
  IntensityMap m;
  EXPECT_TRUE(m.empty());
  EXPECT_EQ(m.Get(Coord{0, 0}), 0);
  m.Add(Coord{0, 1});
  m.Add(Coord{0, 1});
  m.Add(Coord{1, 0});
  EXPECT_EQ(m.Get(Coord{0, 1}), 2);
  EXPECT_EQ(m.Get(Coord{1, 0}), 1);
  EXPECT_EQ(m.Get(Coord{1, 1}), 0);
  EXPECT_EQ(m.size(), 2u);
  m.Clear();
  EXPECT_EQ(m.size(), 0u);
  EXPECT_EQ(m.Get(Coord{0, 1}), 0);
  m.Add(Coord{0, 1}, 5);
  EXPECT_EQ(m.Get(Coord{0, 1}), 5);
}

// Keys that pack to 0 or to all ones, and negative members, are ordinary keys.
TEST(IntensityMap, ExtremeKeysAreDistinct) {
  IntensityMap m;
  const Coord keys[] = {{0, 0}, {-1, -1}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MIN}, {0, -1}, {-1, 0}};
  int n = 1;
  for (const Coord& c : keys) m.Add(c, n++);
  n = 1;
  for (const Coord& c : keys) EXPECT_EQ(m.Get(c), n++);
  EXPECT_EQ(m.size(), 6u);
}

// Many pixels on a grid (the common case: hits along a diagonal and in blocks),
// checked against std::map through growth.
TEST(IntensityMap, MatchesOrderedMapThroughGrowth) {
  IntensityMap m(1);
  std::map<std::pair<int, int>, int> ref;
  std::mt19937 rng(5);
  std::uniform_int_distribution<int> d(0, 3000);
  for (int i = 0; i < 200000; ++i) {
    int y = d(rng), x = (i % 3 == 0) ? y : d(rng) % 40;
    m.Add(Coord{y, x});
    ++ref[{y, x}];
  }
  ASSERT_EQ(m.size(), ref.size());
  for (const auto& kv : ref) ASSERT_EQ(m.Get(Coord{kv.first.first, kv.first.second}), kv.second);
  size_t seen = 0;
  long long total = 0;
  m.ForEach([&](const Coord& c, int n) {
    ++seen;
    total += n;
    auto it = ref.find({c.mY, c.mX});
    ASSERT_NE(it, ref.end());
    EXPECT_EQ(it->second, n);
  });
  EXPECT_EQ(seen, ref.size());
  EXPECT_EQ(total, 200000);
  EXPECT_LE(2 * m.size(), m.bucket_count());
}
