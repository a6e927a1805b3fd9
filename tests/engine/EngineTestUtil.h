#ifndef TOVRIN_TESTS_ENGINE_ENGINETESTUTIL_H
#define TOVRIN_TESTS_ENGINE_ENGINETESTUTIL_H

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Tovrin.h"

// Standard output written while f runs.
template <class F>
std::string Stdout(F f) {
  testing::internal::CaptureStdout();
  f();
  return testing::internal::GetCapturedStdout();
}

inline std::string Fixture(const char* name) { return std::string(TOVRIN_FIXTURE_DIR) + "/" + name; }

// A FASTA file in the test's temporary folder, removed when the object goes.
class TempFasta {
public:
  TempFasta(const std::string& name, const std::vector<std::pair<std::string, std::string>>& records)
      : mPath(testing::TempDir() + name) {
    std::ofstream out(mPath);
    for (const auto& r : records) {
      out << '>' << r.first << '\n';
      for (size_t i = 0; i < r.second.size(); i += 60) out << r.second.substr(i, 60) << '\n';
    }
  }
  ~TempFasta() { std::remove(mPath.c_str()); }
  const std::string& Path() const { return mPath; }

private:
  std::string mPath;
};

// Source positions of a hit list, in list order (bit 31 included for reverse hits).
inline std::vector<unsigned> Words(const MerSearchResultVec<SingleSourceMerLocation>& hits) {
  std::vector<unsigned> w;
  for (const auto& h : hits) w.push_back(h.mLocation.Word());
  return w;
}

inline std::vector<int> QueryPositions(const MerSearchResultVec<SingleSourceMerLocation>& hits) {
  std::vector<int> p;
  for (const auto& h : hits) p.push_back(h.mQueryPos);
  return p;
}

// Deterministic pseudo-random bases.
inline std::string RandomBases(size_t n, unsigned seed) {
  std::string s(n, 'A');
  unsigned x = seed * 2654435761u + 1;
  for (size_t i = 0; i < n; ++i) {
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    s[i] = "ACGT"[x & 3];
  }
  return s;
}

#endif
