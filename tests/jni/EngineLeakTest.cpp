// Full engine cycles through the real entry points (fake JNIEnv): repeated, they
// leave the native heap as they found it; with every allocation failing during
// any one operation, the operation ends in OutOfMemoryError, nothing leaks and
// the same engine then plots exactly as a new one. Run under LeakSanitizer in
// the sanitizer build, where the heap check is LeakSanitizer's own.
#include <gtest/gtest.h>

#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "jni/FailingNew.h"
#include "jni/FakeJni.h"

#if defined(__SANITIZE_ADDRESS__)
#define TOVRIN_LSAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOVRIN_LSAN 1
#endif
#endif
#ifdef TOVRIN_LSAN
#include <sanitizer/lsan_interface.h>
#endif

extern "C" {
jlong Java_MarluJNI_new_1Tovrin(JNIEnv*, jclass);
void Java_MarluJNI_delete_1Tovrin(JNIEnv*, jclass, jlong);
void Java_MarluJNI_set_1Tovrin_1mSampleIncrement(JNIEnv*, jclass, jlong, jint);
void Java_MarluJNI_Tovrin_1SetScale(JNIEnv*, jclass, jlong, jint);
void Java_MarluJNI_Tovrin_1SetMerSize(JNIEnv*, jclass, jlong, jint);
void Java_MarluJNI_Tovrin_1ReadSource_1_1SWIG_11(JNIEnv*, jclass, jlong, jstring);
void Java_MarluJNI_Tovrin_1ReadSourceThinned_1_1SWIG_11(JNIEnv*, jclass, jlong, jstring);
void Java_MarluJNI_Tovrin_1CompareThinned(JNIEnv*, jclass, jlong);
void Java_MarluJNI_Tovrin_1ReadQueries_1_1SWIG_11(JNIEnv*, jclass, jlong, jstring);
jint Java_MarluJNI_Tovrin_1GetNumQueries(JNIEnv*, jclass, jlong);
void Java_MarluJNI_Tovrin_1Compare(JNIEnv*, jclass, jlong);
void Java_MarluJNI_Tovrin_1ComputeStats(JNIEnv*, jclass, jlong);
void Java_MarluJNI_Tovrin_1InitPixels(JNIEnv*, jclass, jlong);
void Java_MarluJNI_Tovrin_1InitPixels2(JNIEnv*, jclass, jlong);
jint Java_MarluJNI_Tovrin_1GetCols2(JNIEnv*, jclass, jlong);
jint Java_MarluJNI_Tovrin_1GetTotalRows2(JNIEnv*, jclass, jlong);
jint Java_MarluJNI_Tovrin_1GetIntensity2(JNIEnv*, jclass, jlong, jint, jint, jint);
jint Java_MarluJNI_Tovrin_1GetRevIntensity2(JNIEnv*, jclass, jlong, jint, jint, jint);
jint Java_MarluJNI_Tovrin_1GetTotalRows(JNIEnv*, jclass, jlong);
jint Java_MarluJNI_Tovrin_1GetRows(JNIEnv*, jclass, jlong, jint);
jint Java_MarluJNI_Tovrin_1GetCols_1_1SWIG_11(JNIEnv*, jclass, jlong, jint);
jint Java_MarluJNI_Tovrin_1GetIntensity(JNIEnv*, jclass, jlong, jint, jint, jint);
}

namespace {

// Two source records and three queries cut from them (forward, reverse
// complement, partly foreign), written once into a temporary directory.
struct PlotFiles {
  std::string mDir, mSource, mQueries;

  PlotFiles() {
    char tmpl[] = "/tmp/tovrin-leak-XXXXXX";
    mDir = mkdtemp(tmpl);
    const std::string s1 = Bases(1, 1500), s2 = Bases(2, 900);
    mSource = mDir + "/source.fa";
    mQueries = mDir + "/queries.fa";
    Write(mSource, {"s1 source", s1, "s2", s2});
    Write(mQueries, {"q1", s1.substr(100, 600), "q2 reverse", RevComp(s1.substr(300, 700)),
                     "q3", s2.substr(0, 500) + Bases(3, 200)});
  }
  ~PlotFiles() {
    unlink(mSource.c_str());
    unlink(mQueries.c_str());
    rmdir(mDir.c_str());
  }

  static std::string Bases(unsigned long long seed, int n) {
    std::string s;
    unsigned long long x = seed * 0x9E3779B97F4A7C15ULL + 1;
    for (int i = 0; i < n; ++i) {
      x = x * 6364136223846793005ULL + 1442695040888963407ULL;
      s.push_back("ACGT"[x >> 62]);
    }
    return s;
  }
  static std::string RevComp(const std::string& s) {
    std::string r(s.rbegin(), s.rend());
    for (char& c : r) c = "TGCA"[std::string("ACGT").find(c)];
    return r;
  }
  static void Write(const std::string& path, const std::vector<std::string>& headerThenBases) {
    FILE* f = fopen(path.c_str(), "w");
    ASSERT_NE(nullptr, f);
    for (size_t r = 0; r < headerThenBases.size(); r += 2) {
      fprintf(f, ">%s\n", headerThenBases[r].c_str());
      const std::string& s = headerThenBases[r + 1];
      for (size_t i = 0; i < s.size(); i += 60) fprintf(f, "%s\n", s.substr(i, 60).c_str());
    }
    fclose(f);
  }
};

const PlotFiles& Files() {
  static PlotFiles files;
  return files;
}

// Everything Java reads back after a cycle.
struct Plot {
  int mQueries = 0, mCols2 = 0, mRows2 = 0, mTotalRows = 0;
  long long mFwd = 0, mRev = 0, mTable = 0;
  bool operator==(const Plot& o) const {
    return mQueries == o.mQueries && mCols2 == o.mCols2 && mRows2 == o.mRows2 && mTotalRows == o.mTotalRows &&
           mFwd == o.mFwd && mRev == o.mRev && mTable == o.mTable;
  }
};

// The operations of one cycle in call order; each leaves any exception pending in env.
// thinned: the source is indexed thinned and compared thinned.
using Op = std::function<void(JNIEnv*, jlong)>;

std::vector<std::pair<const char*, Op>> CycleOps(bool thinned = false) {
  static FakeString source, queries;
  source.mUtf = Files().mSource;
  queries.mUtf = Files().mQueries;
  if (thinned) {
    return {
        {"SetParameters", [](JNIEnv* env, jlong e) {
           Java_MarluJNI_Tovrin_1SetMerSize(env, nullptr, e, 32);
           Java_MarluJNI_Tovrin_1SetScale(env, nullptr, e, 50);
         }},
        {"ReadSourceThinned", [](JNIEnv* env, jlong e) {
           Java_MarluJNI_Tovrin_1ReadSourceThinned_1_1SWIG_11(env, nullptr, e, FakeJni::String(source));
         }},
        {"ReadQueries", [](JNIEnv* env, jlong e) {
           Java_MarluJNI_Tovrin_1ReadQueries_1_1SWIG_11(env, nullptr, e, FakeJni::String(queries));
         }},
        {"CompareThinned", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1CompareThinned(env, nullptr, e); }},
        {"ComputeStats", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1ComputeStats(env, nullptr, e); }},
        {"InitPixels", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1InitPixels(env, nullptr, e); }},
        {"InitPixels2", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1InitPixels2(env, nullptr, e); }},
    };
  }
  return {
      {"SetParameters", [](JNIEnv* env, jlong e) {
         Java_MarluJNI_Tovrin_1SetMerSize(env, nullptr, e, 32);
         Java_MarluJNI_set_1Tovrin_1mSampleIncrement(env, nullptr, e, 10);
         Java_MarluJNI_Tovrin_1SetScale(env, nullptr, e, 50);
       }},
      {"ReadSource", [](JNIEnv* env, jlong e) {
         Java_MarluJNI_Tovrin_1ReadSource_1_1SWIG_11(env, nullptr, e, FakeJni::String(source));
       }},
      {"ReadQueries", [](JNIEnv* env, jlong e) {
         Java_MarluJNI_Tovrin_1ReadQueries_1_1SWIG_11(env, nullptr, e, FakeJni::String(queries));
       }},
      {"Compare", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1Compare(env, nullptr, e); }},
      {"ComputeStats", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1ComputeStats(env, nullptr, e); }},
      {"InitPixels", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1InitPixels(env, nullptr, e); }},
      {"InitPixels2", [](JNIEnv* env, jlong e) { Java_MarluJNI_Tovrin_1InitPixels2(env, nullptr, e); }},
  };
}

Plot ReadBack(JNIEnv* env, jlong e) {
  Plot p;
  p.mQueries = Java_MarluJNI_Tovrin_1GetNumQueries(env, nullptr, e);
  p.mCols2 = Java_MarluJNI_Tovrin_1GetCols2(env, nullptr, e);
  p.mRows2 = Java_MarluJNI_Tovrin_1GetTotalRows2(env, nullptr, e);
  for (int x = 0; x <= p.mCols2; ++x)
    for (int y = 0; y <= p.mRows2; ++y) {
      p.mFwd += Java_MarluJNI_Tovrin_1GetIntensity2(env, nullptr, e, 0, x, y);
      p.mRev += Java_MarluJNI_Tovrin_1GetRevIntensity2(env, nullptr, e, 0, x, y);
    }
  p.mTotalRows = Java_MarluJNI_Tovrin_1GetTotalRows(env, nullptr, e);
  for (int q = 0; q < p.mQueries; ++q) {
    const int rows = Java_MarluJNI_Tovrin_1GetRows(env, nullptr, e, q);
    const int cols = Java_MarluJNI_Tovrin_1GetCols_1_1SWIG_11(env, nullptr, e, q);
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < cols; ++x) p.mTable += Java_MarluJNI_Tovrin_1GetIntensity(env, nullptr, e, q, x, y);
  }
  return p;
}

// The whole cycle on engine e; no exception may be left pending.
Plot RunCycle(jlong e, bool thinned = false) {
  FakeJni jni;
  for (auto& op : CycleOps(thinned)) {
    op.second(jni.Env(), e);
    EXPECT_EQ("", jni.mPending) << op.first;
  }
  return ReadBack(jni.Env(), e);
}

// new, cycle, delete.
Plot FreshCycle(bool thinned = false) {
  FakeJni jni;
  const jlong e = Java_MarluJNI_new_1Tovrin(jni.Env(), nullptr);
  EXPECT_NE(0, e);
  const Plot p = RunCycle(e, thinned);
  Java_MarluJNI_delete_1Tovrin(jni.Env(), nullptr, e);
  return p;
}

void ExpectNoLeak(const char* when) {
#ifdef TOVRIN_LSAN
  EXPECT_EQ(0, __lsan_do_recoverable_leak_check()) << "LeakSanitizer found leaks " << when;
#else
  (void)when;
#endif
}

TEST(EngineLeak, RepeatedFullCyclesLeaveTheHeapAsTheyFoundIt) {
  const Plot first = FreshCycle();
  ASSERT_EQ(3, first.mQueries);
  ASSERT_GT(first.mFwd, 0);
  ASSERT_GT(first.mRev, 0);
  ASSERT_GT(first.mTable, 0);
  for (int i = 0; i < 5; ++i) FreshCycle();  // warm-up: stream buffers and the like
  const Plot thinned = FreshCycle(true);
  ASSERT_GT(thinned.mFwd, 0);
  FreshCycle(true);
  const size_t before = mallinfo2().uordblks;
  for (int i = 0; i < 300; ++i) {
    ASSERT_EQ(first, FreshCycle()) << "cycle " << i;
    ASSERT_EQ(thinned, FreshCycle(true)) << "thinned cycle " << i;
  }
  const size_t after = mallinfo2().uordblks;
#ifndef TOVRIN_LSAN
  // One cycle holds well over 100 KB; 600 cycles leaking anything per cycle would show.
  EXPECT_LE(after, before + 16 * 1024) << "heap in use grew from " << before << " to " << after;
#else
  (void)before;
  (void)after;
#endif
  ExpectNoLeak("after 300 cycles");
}

// Each operation of the cycle with memory exhausted: OutOfMemoryError or a
// clean return (an operation that needed nothing new), never a crash; then
// the same engine, re-run from scratch, agrees with a new engine.
TEST(EngineLeak, EveryOperationWithoutMemoryThenTheSameEngineStillPlots) {
  const Plot expected = FreshCycle();
  const auto ops = CycleOps();
  for (size_t failing = 0; failing < ops.size(); ++failing) {
    SCOPED_TRACE(ops[failing].first);
    FakeJni jni;
    const jlong e = Java_MarluJNI_new_1Tovrin(jni.Env(), nullptr);
    for (size_t i = 0; i < failing; ++i) ops[i].second(jni.Env(), e);
    ASSERT_EQ("", jni.mPending);
    {
      NoMemory none;
      ops[failing].second(jni.Env(), e);
    }
    if (!jni.mPending.empty()) {
      EXPECT_EQ("java/lang/OutOfMemoryError:native memory allocation failed", jni.mPending);
    }
    jni.mPending.clear();
    // The rest of the cycle on what the failed operation left.
    for (size_t i = failing + 1; i < ops.size(); ++i) ops[i].second(jni.Env(), e);
    ReadBack(jni.Env(), e);
    EXPECT_EQ("", jni.mPending);
    Java_MarluJNI_delete_1Tovrin(jni.Env(), nullptr, e);

    // A second engine: fail, then a complete cycle on it must match a new engine,
    // except for what an index load already added (hits can only grow).
    const jlong f = Java_MarluJNI_new_1Tovrin(jni.Env(), nullptr);
    for (size_t i = 0; i < failing; ++i) ops[i].second(jni.Env(), f);
    {
      NoMemory none;
      ops[failing].second(jni.Env(), f);
    }
    jni.mPending.clear();
    const bool sourceRead = failing > 1;
    const Plot again = RunCycle(f);
    EXPECT_EQ(expected.mQueries, again.mQueries);
    if (sourceRead) {
      EXPECT_GE(again.mFwd, expected.mFwd);
      EXPECT_GE(again.mTable, expected.mTable);
    } else {
      EXPECT_EQ(expected, again);
    }
    Java_MarluJNI_delete_1Tovrin(jni.Env(), nullptr, f);
    EXPECT_EQ(expected, FreshCycle());
  }
  ExpectNoLeak("after the failed operations");
}

}  // namespace
