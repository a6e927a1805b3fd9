// Compare rolls the k-mer values along the query instead of rebuilding each
// k-mer: its hit lists must be exactly those of looking every visited
// position up with FindMerLocations / FindRevMerLocations.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EngineTestUtil.h"

namespace {

using Hits = MerSearchResultVec<SingleSourceMerLocation>;

void DropRepeats(Hits& hits) {
  Hits kept;
  for (const auto& h : hits)
    if (kept.empty() || kept.back().mLocation.Word() != h.mLocation.Word()) kept.push_back(h);
  hits.swap(kept);
}

std::vector<int> Counts(const Hits& hits) {
  std::vector<int> c;
  for (const auto& h : hits) c.push_back(h.mCount);
  return c;
}

// A query with the source's pieces in both orientations, repeats, and
// characters outside ACGT (N, lower case, IUPAC, a digit) that Mer packs by
// their code like any other.
std::string MixedQuery(const std::string& src) {
  std::string q = src.substr(200, 700);
  for (size_t i = 1900; i-- > 1000;) q += "TGAC"[std::string("ACTG").find(src[i])];
  q += src.substr(100, 300) + src.substr(100, 300);
  for (size_t i = 0; i < q.size(); i += 97) q[i] = "NnacgtRYx7"[(i / 97) % 10];
  return q + RandomBases(150, 9);
}

void CheckAgainstDirectLookups(int k, bool thinned, int step) {
  std::string src = RandomBases(2600, 5);
  src += src.substr(300, 400);  // repeated source k-mers: lists of several locations
  TempFasta s("compare-lookup-src.fa", {{"s", src}});
  TempFasta q("compare-lookup-qry.fa", {{"a", MixedQuery(src)}, {"b", src.substr(0, 40)}});
  Tovrin e;
  Tovrin::SetMerSize(k);
  e.mSampleIncrement = step;
  Stdout([&] {
    thinned ? e.ReadSourceThinned(s.Path()) : e.ReadSource(s.Path());
    e.ReadQueries(q.Path());
    thinned ? e.CompareThinned() : e.Compare();
  });
  size_t seen = 0;
  for (size_t qi = 0; qi < e.Queries.mSeqs.size(); ++qi) {
    const Sequence& query = e.Queries.mSeqs[qi];
    const size_t len = query.mBases.size();
    const int end = len > 31 ? int(len - 31) : 0;
    Hits fwd, rev;
    for (int pos = 0; pos < end; pos += thinned ? 1 : step) {
      if (thinned && Mer(query, pos).Value() % 11 != 0) continue;
      e.mSourceIndex.FindMerLocations(query, pos, fwd);
      e.mSourceIndex.FindRevMerLocations(query, pos, rev);
    }
    DropRepeats(fwd);
    DropRepeats(rev);
    EXPECT_EQ(Words(e.FwdHitsVec[qi]), Words(fwd)) << qi;
    EXPECT_EQ(QueryPositions(e.FwdHitsVec[qi]), QueryPositions(fwd)) << qi;
    EXPECT_EQ(Counts(e.FwdHitsVec[qi]), Counts(fwd)) << qi;
    EXPECT_EQ(Words(e.RevHitsVec[qi]), Words(rev)) << qi;
    EXPECT_EQ(QueryPositions(e.RevHitsVec[qi]), QueryPositions(rev)) << qi;
    EXPECT_EQ(Counts(e.RevHitsVec[qi]), Counts(rev)) << qi;
    seen += fwd.size() + rev.size();
  }
  EXPECT_GT(seen, 20u);
  Tovrin::SetMerSize(32);
}

}  // namespace

TEST(EngineCompare, RolledLookupsEqualDirectLookups) {
  struct Case {
    int k;
    bool thinned;
    int step;
  };
  for (const Case& c : {Case{32, false, 1}, Case{32, false, 3}, Case{32, false, 17}, Case{20, false, 1},
                        Case{7, false, 2}, Case{1, false, 1}, Case{32, true, 1}, Case{16, true, 1},
                        Case{5, true, 1}}) {
    SCOPED_TRACE(testing::Message() << "k " << c.k << " thinned " << c.thinned << " step " << c.step);
    CheckAgainstDirectLookups(c.k, c.thinned, c.step);
  }
}
