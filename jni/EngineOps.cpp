// The engine operations: one entry point per Java method, each a thin call of
// the Tovrin method of the same name (Java name '_' written "_1").
#include "jni/JniUtil.h"

#include <string>
#include <utility>

#define TOVRIN_ENTRY(ret, name) extern "C" JNIEXPORT ret JNICALL Java_MarluJNI_Tovrin_1##name

// void Tovrin_ReadSource__SWIG_0(long handle, long nativeString)
TOVRIN_ENTRY(void, ReadSource_1_1SWIG_10)(JNIEnv* env, jclass, jlong h, jlong s) {
  CallEngineWithNativeString(env, h, s, [](Tovrin& t, std::string path) { t.ReadSource(std::move(path)); });
}

// void Tovrin_ReadSource__SWIG_1(long handle, String path)
TOVRIN_ENTRY(void, ReadSource_1_1SWIG_11)(JNIEnv* env, jclass, jlong h, jstring p) {
  CallEngineWithPath(env, h, p, [](Tovrin& t, std::string path) { t.ReadSource(std::move(path)); });
}

// void Tovrin_ReadSourceThinned__SWIG_0(long handle, long nativeString)
TOVRIN_ENTRY(void, ReadSourceThinned_1_1SWIG_10)(JNIEnv* env, jclass, jlong h, jlong s) {
  CallEngineWithNativeString(env, h, s, [](Tovrin& t, std::string path) { t.ReadSourceThinned(std::move(path)); });
}

// void Tovrin_ReadSourceThinned__SWIG_1(long handle, String path)
TOVRIN_ENTRY(void, ReadSourceThinned_1_1SWIG_11)(JNIEnv* env, jclass, jlong h, jstring p) {
  CallEngineWithPath(env, h, p, [](Tovrin& t, std::string path) { t.ReadSourceThinned(std::move(path)); });
}

// void Tovrin_ReadQueries__SWIG_0(long handle, long nativeString)
TOVRIN_ENTRY(void, ReadQueries_1_1SWIG_10)(JNIEnv* env, jclass, jlong h, jlong s) {
  CallEngineWithNativeString(env, h, s, [](Tovrin& t, std::string path) { t.ReadQueries(std::move(path)); });
}

// void Tovrin_ReadQueries__SWIG_1(long handle, String path)
TOVRIN_ENTRY(void, ReadQueries_1_1SWIG_11)(JNIEnv* env, jclass, jlong h, jstring p) {
  CallEngineWithPath(env, h, p, [](Tovrin& t, std::string path) { t.ReadQueries(std::move(path)); });
}

// int Tovrin_GetNumQueries(long handle)
TOVRIN_ENTRY(jint, GetNumQueries)(JNIEnv* env, jclass, jlong h) {
  return CallEngine(env, h, [](Tovrin& t) { return t.GetNumQueries(); });
}

// void Tovrin_SetMerSize(long handle, int k): the length is process-wide, so
// the handle is not used and may be 0.
TOVRIN_ENTRY(void, SetMerSize)(JNIEnv* env, jclass, jlong, jint k) {
  Guarded(env, [k]() { Tovrin::SetMerSize(k); });
}

// void Tovrin_Compare(long handle)
TOVRIN_ENTRY(void, Compare)(JNIEnv* env, jclass, jlong h) {
  CallEngine(env, h, [](Tovrin& t) { t.Compare(); });
}

// void Tovrin_CompareThinned(long handle)
TOVRIN_ENTRY(void, CompareThinned)(JNIEnv* env, jclass, jlong h) {
  CallEngine(env, h, [](Tovrin& t) { t.CompareThinned(); });
}

// void Tovrin_ComputeStats(long handle)
TOVRIN_ENTRY(void, ComputeStats)(JNIEnv* env, jclass, jlong h) {
  CallEngine(env, h, [](Tovrin& t) { t.ComputeStats(); });
}

// void Tovrin_InitPixels(long handle)
TOVRIN_ENTRY(void, InitPixels)(JNIEnv* env, jclass, jlong h) {
  CallEngine(env, h, [](Tovrin& t) { t.InitPixels(); });
}

// int Tovrin_GetTotalRows2(long handle)
TOVRIN_ENTRY(jint, GetTotalRows2)(JNIEnv* env, jclass, jlong h) {
  return CallEngine(env, h, [](Tovrin& t) { return t.GetTotalRows2(); });
}

// int Tovrin_GetCols2(long handle)
TOVRIN_ENTRY(jint, GetCols2)(JNIEnv* env, jclass, jlong h) {
  return CallEngine(env, h, [](Tovrin& t) { return t.GetCols2(); });
}

// int Tovrin_GetIntensity2(long handle, int query, int x, int y)
TOVRIN_ENTRY(jint, GetIntensity2)(JNIEnv* env, jclass, jlong h, jint q, jint x, jint y) {
  return CallEngine(env, h, [=](Tovrin& t) { return t.GetIntensity2(q, x, y); });
}

// int Tovrin_GetRevIntensity2(long handle, int query, int x, int y)
TOVRIN_ENTRY(jint, GetRevIntensity2)(JNIEnv* env, jclass, jlong h, jint q, jint x, jint y) {
  return CallEngine(env, h, [=](Tovrin& t) { return t.GetRevIntensity2(q, x, y); });
}

// void Tovrin_InitPixels2(long handle)
TOVRIN_ENTRY(void, InitPixels2)(JNIEnv* env, jclass, jlong h) {
  CallEngine(env, h, [](Tovrin& t) { t.InitPixels2(); });
}

// int Tovrin_GetTotalRows(long handle)
TOVRIN_ENTRY(jint, GetTotalRows)(JNIEnv* env, jclass, jlong h) {
  return CallEngine(env, h, [](Tovrin& t) { return t.GetTotalRows(); });
}

// int Tovrin_GetRows(long handle, int query)
TOVRIN_ENTRY(jint, GetRows)(JNIEnv* env, jclass, jlong h, jint q) {
  return CallEngine(env, h, [q](Tovrin& t) { return t.GetRows(q); });
}

// int Tovrin_GetCols__SWIG_0(long handle): columns of query 0
TOVRIN_ENTRY(jint, GetCols_1_1SWIG_10)(JNIEnv* env, jclass, jlong h) {
  return CallEngine(env, h, [](Tovrin& t) { return t.GetCols(); });
}

// int Tovrin_GetCols__SWIG_1(long handle, int query)
TOVRIN_ENTRY(jint, GetCols_1_1SWIG_11)(JNIEnv* env, jclass, jlong h, jint q) {
  return CallEngine(env, h, [q](Tovrin& t) { return t.GetCols(q); });
}

// int Tovrin_GetIntensity(long handle, int query, int x, int y)
TOVRIN_ENTRY(jint, GetIntensity)(JNIEnv* env, jclass, jlong h, jint q, jint x, jint y) {
  return CallEngine(env, h, [=](Tovrin& t) { return t.GetIntensity(q, x, y); });
}
