// Test-only natives of class TestHooks: reach the binding helpers that no
// MarluJNI method exposes (exception raising, array family, path overloads,
// the exception guard) from a real JVM.
#include <jni.h>

#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "jni/ArrayConvert.h"
#include "jni/JniUtil.h"

namespace {

std::string Utf(JNIEnv* env, jstring s) {
  if (!s) return std::string();
  const char* c = env->GetStringUTFChars(s, nullptr);
  std::string r(c ? c : "");
  if (c) env->ReleaseStringUTFChars(s, c);
  return r;
}

jbyteArray Bytes(JNIEnv* env, const std::string& s) {
  jbyteArray a = env->NewByteArray((jsize)s.size());
  if (a) env->SetByteArrayRegion(a, 0, (jsize)s.size(), reinterpret_cast<const jbyte*>(s.data()));
  return a;
}

jlongArray Longs(JNIEnv* env, const std::vector<jlong>& v) {
  jlongArray a = env->NewLongArray((jsize)v.size());
  if (a) env->SetLongArrayRegion(a, 0, (jsize)v.size(), v.data());
  return a;
}

int gLastInResult = -1;

// One element type of the array family under test.
template <class C, class J, class A>
struct Family {
  int (*in)(JNIEnv*, J**, C**, A);
  void (*argout)(JNIEnv*, J*, C*, A);
  A (*out)(JNIEnv*, C*, jint);
};

template <class C, class J, class A>
jlongArray NativeValues(JNIEnv* env, Family<C, J, A> f, jobject arr) {
  J* jarr = nullptr;
  C* carr = nullptr;
  gLastInResult = f.in(env, &jarr, &carr, static_cast<A>(arr));
  if (!gLastInResult) return nullptr;
  jsize n = arr ? env->GetArrayLength(static_cast<A>(arr)) : 0;
  std::vector<jlong> v(carr, carr + n);
  f.argout(env, jarr, carr, static_cast<A>(arr));
  delete[] carr;
  return Longs(env, v);
}

// In, bump every native element by one, Argout (writes into `arr`), then Out.
template <class C, class J, class A>
jobject RoundTrip(JNIEnv* env, Family<C, J, A> f, jobject arr) {
  J* jarr = nullptr;
  C* carr = nullptr;
  gLastInResult = f.in(env, &jarr, &carr, static_cast<A>(arr));
  if (!gLastInResult) return nullptr;
  jsize n = env->GetArrayLength(static_cast<A>(arr));
  for (jsize i = 0; i < n; ++i) carr[i] = static_cast<C>(carr[i] + 1);
  f.argout(env, jarr, carr, static_cast<A>(arr));
  A r = f.out(env, carr, n);
  delete[] carr;
  return r;
}

// Out of native values given as Java longs (each cast to the element type).
template <class C, class J, class A>
jobject OutOf(JNIEnv* env, Family<C, J, A> f, jlongArray values, jboolean nullPointer) {
  jsize n = env->GetArrayLength(values);
  std::vector<jlong> v(n);
  env->GetLongArrayRegion(values, 0, n, v.data());
  std::unique_ptr<C[]> c(new C[n ? n : 1]);
  for (jsize i = 0; i < n; ++i) c[i] = static_cast<C>(v[i]);
  return f.out(env, nullPointer ? nullptr : c.get(), n);
}

#define TOVRIN_HOOK_FAMILY(Name) {SWIG_JavaArrayIn##Name, SWIG_JavaArrayArgout##Name, SWIG_JavaArrayOut##Name}

// Runs `op` with the family named `type`; unknown names raise IllegalArgumentException.
template <class Op>
auto WithFamily(JNIEnv* env, const std::string& type, Op op) -> decltype(op(Family<int, jint, jintArray>{})) {
  if (type == "Bool") return op(Family<bool, jboolean, jbooleanArray>TOVRIN_HOOK_FAMILY(Bool));
  if (type == "Schar") return op(Family<signed char, jbyte, jbyteArray>TOVRIN_HOOK_FAMILY(Schar));
  if (type == "Uchar") return op(Family<unsigned char, jshort, jshortArray>TOVRIN_HOOK_FAMILY(Uchar));
  if (type == "Short") return op(Family<short, jshort, jshortArray>TOVRIN_HOOK_FAMILY(Short));
  if (type == "Ushort") return op(Family<unsigned short, jint, jintArray>TOVRIN_HOOK_FAMILY(Ushort));
  if (type == "Int") return op(Family<int, jint, jintArray>TOVRIN_HOOK_FAMILY(Int));
  if (type == "Uint") return op(Family<unsigned int, jlong, jlongArray>TOVRIN_HOOK_FAMILY(Uint));
  if (type == "Long") return op(Family<int32_t, jint, jintArray>TOVRIN_HOOK_FAMILY(Long));
  if (type == "Ulong") return op(Family<uint32_t, jlong, jlongArray>TOVRIN_HOOK_FAMILY(Ulong));
  if (type == "Longlong") return op(Family<long long, jlong, jlongArray>TOVRIN_HOOK_FAMILY(Longlong));
  if (type == "Float") return op(Family<float, jfloat, jfloatArray>TOVRIN_HOOK_FAMILY(Float));
  if (type == "Double") return op(Family<double, jdouble, jdoubleArray>TOVRIN_HOOK_FAMILY(Double));
  SWIG_JavaThrowException(env, SWIG_JavaIllegalArgumentException, ("no array family " + type).c_str());
  return nullptr;
}

}  // namespace

extern "C" {

JNIEXPORT void JNICALL Java_TestHooks_throwException(JNIEnv* env, jclass, jint code, jstring msg) {
  std::string m = Utf(env, msg);
  SWIG_JavaThrowException(env, static_cast<SWIG_JavaExceptionCodes>(code), m.c_str());
}

// Leaves an IllegalStateException pending, then raises `code`.
JNIEXPORT void JNICALL Java_TestHooks_throwOverPending(JNIEnv* env, jclass, jint code, jstring msg) {
  std::string m = Utf(env, msg);
  jclass ise = env->FindClass("java/lang/IllegalStateException");
  if (ise) env->ThrowNew(ise, "pending");
  SWIG_JavaThrowException(env, static_cast<SWIG_JavaExceptionCodes>(code), m.c_str());
}

JNIEXPORT jint JNICALL Java_TestHooks_lastInResult(JNIEnv*, jclass) { return gLastInResult; }

JNIEXPORT jlongArray JNICALL Java_TestHooks_nativeValues(JNIEnv* env, jclass, jstring type, jobject arr) {
  return static_cast<jlongArray>(
      WithFamily(env, Utf(env, type), [&](auto f) { return static_cast<jobject>(NativeValues(env, f, arr)); }));
}

JNIEXPORT jobject JNICALL Java_TestHooks_roundTrip(JNIEnv* env, jclass, jstring type, jobject arr) {
  return WithFamily(env, Utf(env, type), [&](auto f) { return RoundTrip(env, f, arr); });
}

JNIEXPORT jobject JNICALL Java_TestHooks_outOf(JNIEnv* env, jclass, jstring type, jlongArray values,
                                               jboolean nullPointer) {
  return WithFamily(env, Utf(env, type), [&](auto f) { return OutOf(env, f, values, nullPointer); });
}

// Bool In on a boolean[] whose raw bytes are `raw` (values other than 0/1 included).
JNIEXPORT jlongArray JNICALL Java_TestHooks_boolInRaw(JNIEnv* env, jclass, jbyteArray raw) {
  jsize n = env->GetArrayLength(raw);
  std::vector<jbyte> b(n);
  env->GetByteArrayRegion(raw, 0, n, b.data());
  jbooleanArray arr = env->NewBooleanArray(n);
  if (!arr) return nullptr;
  env->SetBooleanArrayRegion(arr, 0, n, reinterpret_cast<const jboolean*>(b.data()));
  jboolean* jarr = nullptr;
  bool* carr = nullptr;
  gLastInResult = SWIG_JavaArrayInBool(env, &jarr, &carr, arr);
  if (!gLastInResult) return nullptr;
  std::vector<jlong> v;
  for (jsize i = 0; i < n; ++i) {
    unsigned char byte;
    std::memcpy(&byte, &carr[i], 1);  // the stored byte itself, not a bool conversion
    v.push_back(byte);
  }
  SWIG_JavaArrayArgoutBool(env, jarr, carr, arr);
  delete[] carr;
  return Longs(env, v);
}

// __SWIG_1 path overload: the bytes the engine call received (the call bumps mSkip).
JNIEXPORT jbyteArray JNICALL Java_TestHooks_pathSwig1(JNIEnv* env, jclass, jlong h, jstring path) {
  bool called = false;
  std::string got;
  CallEngineWithPath(env, h, path, [&](Tovrin& t, std::string p) {
    called = true;
    ++t.mSkip;  // lets Java see whether the engine was reached
    got = p;
  });
  return called ? Bytes(env, got) : nullptr;
}

// __SWIG_0 path overload, same report.
JNIEXPORT jbyteArray JNICALL Java_TestHooks_pathSwig0(JNIEnv* env, jclass, jlong h, jlong s) {
  bool called = false;
  std::string got;
  CallEngineWithNativeString(env, h, s, [&](Tovrin& t, std::string p) {
    called = true;
    ++t.mSkip;  // lets Java see whether the engine was reached
    got = p;
  });
  return called ? Bytes(env, got) : nullptr;
}

JNIEXPORT jlong JNICALL Java_TestHooks_newNativeString(JNIEnv* env, jclass, jbyteArray bytes) {
  jsize n = env->GetArrayLength(bytes);
  std::string* s = new std::string(n, '\0');
  env->GetByteArrayRegion(bytes, 0, n, reinterpret_cast<jbyte*>(&(*s)[0]));
  return ToHandle(s);
}

JNIEXPORT void JNICALL Java_TestHooks_deleteNativeString(JNIEnv*, jclass, jlong s) {
  delete FromHandle<std::string>(s);
}

// The guard: mode 0 returns mScale, 1 throws bad_alloc, 2 a runtime_error,
// 3 a non-standard exception; the void form adds 1000 to mScale in mode 0.
JNIEXPORT jint JNICALL Java_TestHooks_guardedInt(JNIEnv* env, jclass, jlong h, jint mode) {
  return CallEngine(env, h, [mode](Tovrin& t) -> jint {
    if (mode == 1) throw std::bad_alloc();
    if (mode == 2) throw std::runtime_error("engine failed at 42");
    if (mode == 3) throw 17;
    return t.mScale;
  });
}

JNIEXPORT void JNICALL Java_TestHooks_guardedVoid(JNIEnv* env, jclass, jlong h, jint mode) {
  CallEngine(env, h, [mode](Tovrin& t) {
    if (mode == 1) throw std::bad_alloc();
    if (mode == 2) throw std::runtime_error("engine failed at 42");
    if (mode == 3) throw 17;
    t.mScale += 1000;
  });
}

}  // extern "C"
