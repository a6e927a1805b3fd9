#include "engine/Table.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

TEST(Table, AllocateInitAndCells) {
  Table<int> t;
  t.Allocate(3, 4);
  EXPECT_EQ(t.mRows, 3);
  EXPECT_EQ(t.mCols, 4);
  ASSERT_EQ(t.mData.size(), 3u);
  t.Init(7);
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c) EXPECT_EQ(t.mData[r][c], 7);
  t.mData[2][3] = 1;
  EXPECT_EQ(t.mData[2][3], 1);
}

TEST(Table, NoRowsStillSetsSizesAndDeAllocateKeepsThem) {
  Table<int> t;
  t.Allocate(0, 5);
  EXPECT_TRUE(t.mData.empty());
  EXPECT_EQ(t.mRows, 0);
  EXPECT_EQ(t.mCols, 5);
  t.Init(1);  // nothing to write
  t.DeAllocate();
  EXPECT_EQ(t.mCols, 5);  // a table without rows keeps its sizes
  Table<int> n;
  n.Allocate(-3, 2);
  EXPECT_TRUE(n.mData.empty());
  EXPECT_EQ(n.mRows, -3);
}

TEST(Table, DeAllocateFreesRowsAndZeroesSizes) {
  Table<int> t;
  t.Allocate(2, 2);
  t.DeAllocate();
  EXPECT_TRUE(t.mData.empty());
  EXPECT_EQ(t.mRows, 0);
  EXPECT_EQ(t.mCols, 0);
  t.Allocate(1, 3);  // usable again
  t.Init(0);
  EXPECT_EQ(t.mData[0][2], 0);
}

// Copies own their rows: changing or freeing one never touches the other
// (ASan reports a double free or use after free otherwise).
TEST(Table, CopiesAreDeepAndMovesTransferRows) {
  Table<int> a;
  a.Allocate(2, 3);
  a.Init(4);
  a.mRowNames.push_back("r0");
  Table<int> b(a);
  b.mData[1][1] = 9;
  EXPECT_EQ(a.mData[1][1], 4);
  EXPECT_EQ(b.mRowNames.size(), 1u);
  Table<int> c;
  c = b;
  a.DeAllocate();
  EXPECT_EQ(c.mData[1][1], 9);
  std::vector<Table<int>> v;
  v.push_back(std::move(c));
  v.resize(10);  // moves the filled table while the vector grows
  EXPECT_EQ(v[0].mData[1][1], 9);
  EXPECT_TRUE(c.mData.empty());
}
