// One plot's road through the engine on the small fixtures: every console line
// and every value Java can read back.
#include <climits>

#include "EngineTestUtil.h"

namespace {

const unsigned kRev = 0x80000000u;

// engine-src.fa: s1 (120 bases), s2 (60 bases, its first 42 equal to s1's) and
// s3 (not indexed). engine-qry.fa: q1 = s1[0,70), q2 = reverse complement of
// s1[40,104), q3 of 20 bases.
class EngineRoad : public testing::Test {
protected:
  void Load() {
    Stdout([&] {
      e.SetScale(10);
      e.ReadSource(Fixture("engine-src.fa"));
      e.ReadQueries(Fixture("engine-qry.fa"));
    });
  }
  Tovrin e;
};

TEST_F(EngineRoad, NewEngineDefaults) {
  Mer::mMerSize = 20;
  Tovrin t;
  EXPECT_EQ(Mer::mMerSize, 32);
  EXPECT_EQ(t.GetScale(), 200);
  EXPECT_EQ(t.mSampleIncrement, 10);
  EXPECT_EQ(t.mThinModulus, 11u);
  EXPECT_EQ(t.mThinRemainder, 0u);
  EXPECT_EQ(t.GetNumQueries(), 0);
  t.SetScale(50);
  EXPECT_EQ(t.mScale, 50);
}

TEST_F(EngineRoad, CompareWritesProgressAndRemovesRepeats) {
  Load();
  EXPECT_EQ(e.GetNumQueries(), 3);
  EXPECT_EQ(Stdout([&] { e.Compare(); }),
            "Compare query to source...\n"
            "Query.size=70\ndone.\nRemoving redundant entries...2 removed.\n"
            "Query.size=64\ndone.\nRemoving redundant entries...0 removed.\n"
            "Query.size=20\ndone.\nRemoving redundant entries...0 removed.\n");
  ASSERT_EQ(e.FwdHitsVec.size(), 3u);
  ASSERT_EQ(e.RevHitsVec.size(), 3u);
  // Positions 0 and 10 of q1 occur in s1 and s2 at the same offsets: the second
  // of each equal pair goes.
  EXPECT_EQ(Words(e.FwdHitsVec[0]), (std::vector<unsigned>{0, 10, 20, 30}));
  EXPECT_EQ(QueryPositions(e.FwdHitsVec[0]), (std::vector<int>{0, 10, 20, 30}));
  EXPECT_EQ(e.FwdHitsVec[0][0].mCount, 2);
  EXPECT_EQ(e.FwdHitsVec[0][2].mCount, 1);
  EXPECT_TRUE(e.RevHitsVec[0].empty());
  EXPECT_TRUE(e.FwdHitsVec[1].empty());
  EXPECT_EQ(Words(e.RevHitsVec[1]), (std::vector<unsigned>{72 | kRev, 62 | kRev, 52 | kRev, 42 | kRev}));
  EXPECT_EQ(QueryPositions(e.RevHitsVec[1]), (std::vector<int>{0, 10, 20, 30}));
  EXPECT_TRUE(e.FwdHitsVec[2].empty());
  EXPECT_TRUE(e.RevHitsVec[2].empty());
}

TEST_F(EngineRoad, StatsWholePlotAndTables) {
  Load();
  Stdout([&] { e.Compare(); });
  testing::internal::CaptureStderr();
  EXPECT_EQ(Stdout([&] { e.ComputeStats(); }),
            "ComputeStats...TotalQuerySize=154\nTotalSourceSize=180\nWindowWidth=19\nWindowHeight=16\ndone.\n");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_EQ(e.mMaxSourceIdx, 30);
  EXPECT_EQ(e.mMaxQueryIdx, 30);
  EXPECT_EQ(e.mTotalQuerySize, 154);
  EXPECT_EQ(e.mTotalSourceSize, 180);
  EXPECT_EQ(e.mWindowWidth, 19);
  EXPECT_EQ(e.mWindowHeight, 16);
  EXPECT_EQ(e.mQueryRows, (std::vector<int>{8, 7, 3}));
  EXPECT_EQ(e.mQueryRowStart, (std::vector<int>{0, 8, 15}));
  EXPECT_EQ(e.mQueryMaxHitPos, (std::vector<int>{30, 0, 0}));

  EXPECT_EQ(Stdout([&] { e.InitPixels(); }),
            "InitPixels Start\nInitPixels END\n*** mIntensityMap.size=4 mRevIntensityMap.size=4\n");
  int rows = 0, cols = 0;
  EXPECT_EQ(Stdout([&] { rows = e.GetTotalRows2(); }), "TotalRows2 = 15\n");
  EXPECT_EQ(Stdout([&] { cols = e.GetCols2(); }), "TotalCols2 =18\n");
  EXPECT_EQ(rows, 15);
  EXPECT_EQ(cols, 18);
  // Pixel of a hit: ((source position + 32) / 10, (query position + 32) / 10).
  int fwdTotal = 0, revTotal = 0;
  for (int y = 0; y <= rows; ++y)
    for (int x = 0; x <= cols; ++x) {
      fwdTotal += e.GetIntensity2(0, x, y);
      revTotal += e.GetRevIntensity2(0, x, y);
    }
  EXPECT_EQ(fwdTotal, 4);
  EXPECT_EQ(revTotal, 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(e.GetIntensity2(0, 3 + i, 3 + i), 1);
    EXPECT_EQ(e.GetIntensity2(7, 3 + i, 3 + i), 1);  // the query argument plays no part
    EXPECT_EQ(e.GetRevIntensity2(0, 3 + i, 3 + i), 0);
    EXPECT_EQ(e.GetRevIntensity2(0, 10 - i, 3 + i), 1);
  }
  EXPECT_EQ(e.GetIntensity2(0, -1, 100000), 0);
  EXPECT_EQ(e.mIntensityMap.size(), 4u);  // lookups never insert

  // Tables: rows are source pixels, columns query pixels. The source hit at 30
  // lands in row (30 + 32) / 10 = 6, so the tables have 7 rows.
  EXPECT_EQ(Stdout([&] { e.InitPixels2(); }),
            "InitPixels Start\n"
            "SourcePixels = 7\tQueryPixels=7\n"
            "SourcePixels = 7\tQueryPixels=1\n"
            "SourcePixels = 7\tQueryPixels=1\n");
  EXPECT_EQ(e.GetRows(0), 7);
  EXPECT_EQ(e.GetCols(0), 7);
  EXPECT_EQ(e.GetCols(), 7);
  EXPECT_EQ(e.GetCols(1), 1);
  EXPECT_EQ(e.GetTotalRows(), 21);
  int total = 0;
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x) total += e.GetIntensity(0, x, y);
  EXPECT_EQ(total, 4);
  for (int i = 3; i <= 6; ++i) EXPECT_EQ(e.GetIntensity(0, i, i), 1);
  for (int y = 0; y < 7; ++y) EXPECT_EQ(e.GetIntensity(1, 0, y), 0);
}

TEST_F(EngineRoad, GetterErrorsAreReportedAndTheEngineStaysUsable) {
  Load();
  int v = -1;
  EXPECT_EQ(Stdout([&] { v = e.GetCols(); }), "ERROR q=0 > mPixels.size\n");
  EXPECT_EQ(v, 0);
  EXPECT_EQ(Stdout([&] { v = e.GetTotalRows(); }),
            "ERROR q=0 > mPixels.size\nERROR q=1 > mPixels.size\nERROR q=2 > mPixels.size\n");
  EXPECT_EQ(v, 0);
  Stdout([&] {
    e.Compare();
    e.ComputeStats();
    e.InitPixels2();
  });
  struct Case {
    int q, x, y;
    const char* out;
  } cases[] = {
      {3, 0, 0, "ERROR GetIntensity q=3 > mPixels.size\n"},
      {-1, 0, 0, "ERROR GetIntensity q=-1 > mPixels.size\n"},
      {0, 7, 0, "ERROR GetIntensity x=7 mCols=7\nERROR GetIntensity y=0 mRows=7\n"},
      {0, 0, 7, "ERROR GetIntensity x=0 mCols=7\nERROR GetIntensity y=7 mRows=7\n"},
      {0, -1, -5, "ERROR GetIntensity x=-1 mCols=7\nERROR GetIntensity y=-5 mRows=7\n"},
      {1, 1, 0, "ERROR GetIntensity x=1 mCols=1\nERROR GetIntensity y=0 mRows=7\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Stdout([&] { v = e.GetIntensity(c.q, c.x, c.y); }), c.out) << c.q << " " << c.x << " " << c.y;
    EXPECT_EQ(v, 0);
  }
  EXPECT_EQ(Stdout([&] { v = e.GetRows(-1); }), "ERROR q=-1 > mPixels.size\n");
  EXPECT_EQ(e.GetIntensity(0, 3, 3), 1);  // still usable
}

TEST_F(EngineRoad, RepeatedCompareKeepsEarlierHitsOfQueryZeroOnly) {
  Load();
  Stdout([&] { e.Compare(); });
  EXPECT_EQ(Stdout([&] { e.Compare(); }),
            "Compare query to source...\n"
            "Query.size=70\ndone.\nRemoving redundant entries...2 removed.\n"
            "Query.size=64\ndone.\nRemoving redundant entries...0 removed.\n"
            "Query.size=20\ndone.\nRemoving redundant entries...0 removed.\n");
  EXPECT_EQ(Words(e.FwdHitsVec[0]), (std::vector<unsigned>{0, 10, 20, 30, 0, 10, 20, 30}));
  EXPECT_EQ(e.RevHitsVec[1].size(), 4u);
}

TEST_F(EngineRoad, RereadQueriesThenStatsTablesAndCompare) {
  Load();
  Stdout([&] { e.Compare(); });
  Stdout([&] { e.ReadQueries(Fixture("engine-qry2.fa")); });
  ASSERT_EQ(e.GetNumQueries(), 1);
  testing::internal::CaptureStderr();
  std::string out = Stdout([&] { e.ComputeStats(); });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "HEY FwdHitsVec.size=3 Queries.size=1\n");
  EXPECT_EQ(out, "ComputeStats...TotalQuerySize=50\nTotalSourceSize=180\nWindowWidth=19\nWindowHeight=6\ndone.\n");
  EXPECT_EQ(e.mQueryRows, (std::vector<int>{6}));
  EXPECT_EQ(e.mQueryMaxHitPos.size(), 3u);
  // One table for the one query, holding the old hits of list 0.
  EXPECT_EQ(Stdout([&] { e.InitPixels2(); }), "InitPixels Start\nSourcePixels = 7\tQueryPixels=7\n");
  EXPECT_EQ(Stdout([&] { e.GetRows(1); }), "ERROR q=1 > mPixels.size\n");
  // The next comparison trims the lists to one, keeping list 0's hits in front.
  EXPECT_EQ(Stdout([&] { e.Compare(); }),
            "Compare query to source...\nQuery.size=50\ndone.\nRemoving redundant entries...0 removed.\n");
  ASSERT_EQ(e.FwdHitsVec.size(), 1u);
  ASSERT_EQ(e.RevHitsVec.size(), 1u);
  EXPECT_EQ(Words(e.FwdHitsVec[0]), (std::vector<unsigned>{0, 10, 20, 30, 50, 60}));
  testing::internal::CaptureStderr();
  Stdout([&] { e.ComputeStats(); });
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST_F(EngineRoad, MissingQueryFileKeepsQueries) {
  Load();
  const std::string missing = Fixture("engine-no-such-file.fa");
  EXPECT_EQ(Stdout([&] { e.ReadQueries(missing); }), missing + " file open failed (Read Multiple FASTA)\n");
  EXPECT_EQ(e.GetNumQueries(), 3);
}

TEST(EngineSource, OnlyTheFirstTwoRecordsAndEveryLoadAdds) {
  Tovrin e;
  EXPECT_EQ(Stdout([&] { e.ReadSource(Fixture("engine-src.fa")); }), "");
  Stdout([&] {
    e.ReadQueries(Fixture("engine-qry.fa"));
    e.ComputeStats();
  });
  EXPECT_EQ(e.mTotalSourceSize, 180);
  Stdout([&] {
    e.ReadSource(Fixture("engine-src.fa"));
    e.Compare();
    e.ComputeStats();
  });
  EXPECT_EQ(e.mTotalSourceSize, 360);
  // Position 0 of q1 is now stored four times at location 0.
  EXPECT_EQ(Words(e.FwdHitsVec[0]), (std::vector<unsigned>{0, 10, 20, 30}));
  EXPECT_EQ(e.FwdHitsVec[0][0].mCount, 4);
}

TEST(EngineSource, MissingSourceIsSilentAndFindsNothing) {
  Tovrin e;
  EXPECT_EQ(Stdout([&] { e.ReadSource(Fixture("engine-no-such-file.fa")); }), "");
  Stdout([&] {
    e.ReadQueries(Fixture("engine-qry.fa"));
    e.Compare();
    e.ComputeStats();
  });
  for (size_t q = 0; q < 3; ++q) {
    EXPECT_TRUE(e.FwdHitsVec[q].empty());
    EXPECT_TRUE(e.RevHitsVec[q].empty());
  }
  EXPECT_EQ(e.mTotalSourceSize, 0);
}

// Queries of 0, 5 and 31 bases visit no position; 32 bases visit position 0 only.
TEST(EngineCompare, ShortQueries) {
  for (bool thinned : {false, true}) {
    Tovrin e;
    Stdout([&] {
      e.ReadSource(Fixture("engine-src.fa"));
      e.ReadQueries(Fixture("engine-short.fa"));
    });
    std::string out = Stdout([&] { thinned ? e.CompareThinned() : e.Compare(); });
    bool first = Mer(e.Queries.mSeqs[3], 0).Value() % 11 == 0;
    std::string last = thinned && !first ? "0" : "1";
    EXPECT_EQ(out,
              "Compare query to source...\n"
              "Query.size=0\ndone.\nRemoving redundant entries...0 removed.\n"
              "Query.size=5\ndone.\nRemoving redundant entries...0 removed.\n"
              "Query.size=31\ndone.\nRemoving redundant entries...0 removed.\n"
              "Query.size=32\ndone.\nRemoving redundant entries..." + last + " removed.\n")
        << thinned;
    for (size_t q = 0; q < 3; ++q) EXPECT_TRUE(e.FwdHitsVec[q].empty());
    EXPECT_EQ(Words(e.FwdHitsVec[3]), thinned && !first ? std::vector<unsigned>{} : std::vector<unsigned>{0});
  }
}

// Thinned comparison looks up every position whose k-mer value is a multiple
// of 11, against a source indexed the same way: exactly the hits of a full
// comparison whose k-mer passes that test.
void ThinnedAgainstFull(int k) {
  const std::string src = RandomBases(3000, 1);
  std::string qry = src.substr(500, 1200) + RandomBases(100, 2);
  // Reverse complement of a stretch, so that reverse hits take part as well.
  std::string rc;
  for (size_t i = 1500 + 900; i-- > 1500;) rc += "TGAC"[std::string("ACTG").find(src[i])];
  TempFasta s("engine-thin-src.fa", {{"s", src}});
  TempFasta q("engine-thin-qry.fa", {{"a", qry}, {"b", rc}});

  Tovrin full;
  Tovrin::SetMerSize(k);
  Stdout([&] {
    full.mSampleIncrement = 1;
    full.ReadSource(s.Path());
    full.ReadQueries(q.Path());
    full.Compare();
  });
  Tovrin thin;
  Tovrin::SetMerSize(k);
  std::string out = Stdout([&] {
    thin.ReadSourceThinned(s.Path());
    thin.ReadQueries(q.Path());
    thin.CompareThinned();
  });
  EXPECT_EQ(out.find("bugSourceIdx"), std::string::npos);
  size_t seen = 0;
  for (size_t qi = 0; qi < 2; ++qi) {
    const Sequence& query = full.Queries.mSeqs[qi];
    for (int rev = 0; rev < 2; ++rev) {
      const auto& all = rev ? full.RevHitsVec[qi] : full.FwdHitsVec[qi];
      std::vector<unsigned> want;
      std::vector<int> wantPos;
      for (const auto& h : all) {
        Mer m(query, h.mQueryPos);
        Mer r(m);
        r.ReverseComplement();
        // A forward hit stores the k-mer itself, a reverse one its complement:
        // the query-side test is on the query's k-mer in both cases.
        bool sourcePasses = (rev ? r : m).Value() % 11 == 0;
        if (m.Value() % 11 == 0 && sourcePasses) {
          want.push_back(h.mLocation.Word());
          wantPos.push_back(h.mQueryPos);
        }
      }
      const auto& got = rev ? thin.RevHitsVec[qi] : thin.FwdHitsVec[qi];
      EXPECT_EQ(Words(got), want) << qi << " " << rev;
      EXPECT_EQ(QueryPositions(got), wantPos) << qi << " " << rev;
      seen += got.size();
    }
  }
  EXPECT_GT(seen, 50u);
  Tovrin::SetMerSize(32);
}


// The thinned test value is rolled along the query: checked for several k.
TEST(EngineCompare, ThinnedMatchesFilteredFullComparison) {
  for (int k : {32, 20, 7}) {
    SCOPED_TRACE(k);
    ThinnedAgainstFull(k);
  }
}

// Source positions 350001 to 599999 of forward hits are echoed by Compare.
TEST(EngineCompare, EchoesForwardHitsInTheWatchedSourceRange) {
  const std::string src = RandomBases(600100, 3);
  TempFasta s("engine-big-src.fa", {{"big", src}});
  // One position per query (32 bases): source 350000, 350001, 599999, 600000.
  TempFasta q("engine-big-qry.fa", {{"a", src.substr(350000, 32)}, {"b", src.substr(350001, 32)},
                                    {"c", src.substr(599999, 32)}, {"d", src.substr(600000, 32)}});
  Tovrin e;
  Stdout([&] {
    e.ReadSource(s.Path());
    e.ReadQueries(q.Path());
  });
  const std::string none = "Query.size=32\ndone.\nRemoving redundant entries...0 removed.\n";
  EXPECT_EQ(Stdout([&] { e.Compare(); }),
            "Compare query to source...\n" + none +
            "Query.size=32\ndone.\nCompare bugSourceIdx = 350001\nRemoving redundant entries...0 removed.\n"
            "Query.size=32\ndone.\nCompare bugSourceIdx = 599999\nRemoving redundant entries...0 removed.\n" + none);
  EXPECT_EQ(Words(e.FwdHitsVec[0]), (std::vector<unsigned>{350000}));
  EXPECT_EQ(Words(e.FwdHitsVec[3]), (std::vector<unsigned>{600000}));
}

TEST(EngineCompare, ThinnedProgressEveryHundredThousandBases) {
  TempFasta q("engine-long-qry.fa", {{"long", RandomBases(200040, 4)}});
  Tovrin e;
  Stdout([&] { e.ReadQueries(q.Path()); });
  EXPECT_EQ(Stdout([&] { e.CompareThinned(); }),
            "Compare query to source...\nQuery.size=200040\n"
            "99999 query bases searched.\n199999 query bases searched.\n"
            "done.\nRemoving redundant entries...0 removed.\n");
}

// A step, scale or k-mer length the engine cannot work with is refused with
// one line by the operation that would need it; nothing else changes.
TEST(EngineParameters, RefusedValues) {
  Tovrin e;
  for (int k : {0, -3, 33, 1000}) {
    EXPECT_EQ(Stdout([&] { e.SetMerSize(k); }),
              "SetMerSize: k-mer length " + std::to_string(k) + " is outside 1 to 32; keeping 32\n");
    EXPECT_EQ(Mer::mMerSize, 32);
  }
  Tovrin::SetMerSize(20);
  EXPECT_EQ(Mer::mMerSize, 20);
  EXPECT_EQ(Stdout([&] { e.SetMerSize(40); }), "SetMerSize: k-mer length 40 is outside 1 to 32; keeping 20\n");
  Tovrin::SetMerSize(32);

  Stdout([&] {
    e.ReadSource(Fixture("engine-src.fa"));
    e.ReadQueries(Fixture("engine-qry.fa"));
  });
  e.mSampleIncrement = 0;
  EXPECT_EQ(Stdout([&] { e.Compare(); }), "Compare: sample increment 0 is below 1; nothing compared\n");
  EXPECT_TRUE(e.FwdHitsVec.empty());
  e.mSampleIncrement = 10;
  Stdout([&] { e.Compare(); });

  for (int s : {0, -200}) {
    e.SetScale(s);
    const std::string tail = ": scale " + std::to_string(s) + " is below 1 base per pixel; nothing done\n";
    EXPECT_EQ(Stdout([&] { e.ComputeStats(); }), "ComputeStats" + tail);
    EXPECT_EQ(Stdout([&] { e.InitPixels(); }), "InitPixels" + tail);
    EXPECT_EQ(Stdout([&] { e.InitPixels2(); }), "InitPixels2" + tail);
    int v = -1;
    EXPECT_EQ(Stdout([&] { v = e.GetTotalRows2(); }), "GetTotalRows2" + tail);
    EXPECT_EQ(v, 0);
    EXPECT_EQ(Stdout([&] { v = e.GetCols2(); }), "GetCols2" + tail);
    EXPECT_EQ(v, 0);
    EXPECT_TRUE(e.mPixels.empty());
    EXPECT_TRUE(e.mIntensityMap.empty());
  }
}

// Hits near the largest positions land k bases further on than the largest
// position itself; with a small scale that is several pixels. Every hit must
// get its cell, also when the statistics are stale.
TEST(EnginePixelTables, EveryHitHasACell) {
  Tovrin e;
  Stdout([&] {
    e.ReadSource(Fixture("engine-src.fa"));
    e.ReadQueries(Fixture("engine-qry.fa"));
    e.Compare();
  });
  for (int scale : {1, 3, 10, 200}) {
    SCOPED_TRACE(scale);
    e.SetScale(scale);
    Stdout([&] {
      e.ComputeStats();
      e.InitPixels2();
    });
    int total = 0;
    for (int y = 0; y < e.GetRows(0); ++y)
      for (int x = 0; x < e.GetCols(0); ++x) total += e.GetIntensity(0, x, y);
    EXPECT_EQ(total, 4);
    // The hit at source and query position 30 lands (30 + 32) / scale on both axes.
    EXPECT_EQ(e.GetIntensity(0, 62 / scale, 62 / scale), scale == 200 ? 4 : 1);
  }
  // Statistics never computed for this comparison: still no hit is lost.
  Tovrin f;
  Stdout([&] {
    f.ReadSource(Fixture("engine-src.fa"));
    f.ReadQueries(Fixture("engine-qry.fa"));
    f.Compare();
    f.SetScale(1);
    f.InitPixels2();
  });
  EXPECT_EQ(f.GetRows(0), 63);
  EXPECT_EQ(f.GetCols(0), 63);
  EXPECT_EQ(f.GetIntensity(0, 62, 62), 1);
}

// Two queries with hits at the same positions share a whole-plot pixel.
TEST(EngineWholePlot, QueriesOverlayAndBinningEdges) {
  const std::string src = RandomBases(400, 9);
  TempFasta s("engine-ovl-src.fa", {{"s", src}});
  TempFasta q("engine-ovl-qry.fa", {{"a", src.substr(168, 40)}, {"b", src.substr(168, 40)}, {"c", src.substr(167, 40)}});
  Tovrin e;
  Stdout([&] {
    e.ReadSource(s.Path());
    e.ReadQueries(q.Path());
    e.Compare();
    e.ComputeStats();
  });
  EXPECT_EQ(Stdout([&] { e.InitPixels(); }),
            "InitPixels Start\nInitPixels END\n*** mIntensityMap.size=2 mRevIntensityMap.size=0\n");
  EXPECT_EQ(e.GetIntensity2(0, 1, 0), 2);  // source 168 + 32 = 200: column 1
  EXPECT_EQ(e.GetIntensity2(0, 0, 0), 1);  // source 167: column 0
}

}  // namespace

namespace {

// Table sizes that only a caller's field values could produce are bounded:
// mMaxSourceIdx set from Java cannot make a table longer than the longest
// source record, and tables beyond the machine's memory are refused whole.
TEST_F(EngineRoad, PixelTablesStayWithinWhatTheDataAndMachineHold) {
  Load();
  Stdout([&] {
    e.Compare();
    e.ComputeStats();
  });
  e.SetScale(1);
  e.mMaxSourceIdx = INT_MAX;
  Stdout([&] { e.InitPixels2(); });
  ASSERT_EQ(e.mPixels.size(), 3u);
  EXPECT_EQ(e.GetRows(0), 120 + 32 + 1);  // s1, the longest indexed record, plus k

  e.mQueryMaxHitPos[0] = INT_MAX - 100;
  const std::string out = Stdout([&] { e.InitPixels2(); });
  EXPECT_EQ(out.substr(0, 17), "InitPixels Start\n");
  EXPECT_NE(out.find("InitPixels2: the tables would need "), std::string::npos) << out;
  EXPECT_NE(out.find(" bytes, more than half of this machine's memory; nothing done\n"), std::string::npos);
  ASSERT_EQ(e.mPixels.size(), 3u);  // the earlier tables are kept
  EXPECT_EQ(e.GetRows(0), 153);
}

}  // namespace
