#ifndef TOVRIN_JNI_JNIUTIL_H
#define TOVRIN_JNI_JNIUTIL_H

// Shared helpers of the MarluJNI entry points: the engine handle, Java
// exceptions, path strings and the guard that keeps C++ exceptions inside.
//
// How to write an entry point (symbol: "Java_MarluJNI_" + Java method name with
// every '_' written "_1"), e.g. in jni/EngineOps.cpp:
//
//   // int Tovrin_GetNumQueries(long handle)
//   extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_Tovrin_1GetNumQueries(JNIEnv* env, jclass, jlong h) {
//     return CallEngine(env, h, [](Tovrin& t) { return t.GetNumQueries(); });
//   }
//
//   // void Tovrin_ReadQueries__SWIG_1(long handle, String path)
//   extern "C" JNIEXPORT void JNICALL Java_MarluJNI_Tovrin_1ReadQueries_1_1SWIG_11(JNIEnv* env, jclass, jlong h, jstring p) {
//     CallEngineWithPath(env, h, p, [](Tovrin& t, std::string path) { t.ReadQueries(path); });
//   }
//
//   // void Tovrin_ReadQueries__SWIG_0(long handle, long nativeString)
//   extern "C" JNIEXPORT void JNICALL Java_MarluJNI_Tovrin_1ReadQueries_1_1SWIG_10(JNIEnv* env, jclass, jlong h, jlong s) {
//     CallEngineWithNativeString(env, h, s, [](Tovrin& t, std::string path) { t.ReadQueries(path); });
//   }
//
// CallEngine* raise java.lang.NullPointerException (kNullHandleMessage) for
// handle 0 and never call the engine then; std::bad_alloc becomes
// java.lang.OutOfMemoryError, any other exception java.lang.RuntimeException
// with its message; on any of these the result is 0 (or nothing for void).
// An entry point that does not use the engine (Tovrin_SetMerSize) wraps its
// call in Guarded(env, fn) instead.

#include <jni.h>

#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <type_traits>
#include <utility>

#include "engine/Tovrin.h"

enum SWIG_JavaExceptionCodes {
  SWIG_JavaOutOfMemoryError = 1,
  SWIG_JavaIOException,
  SWIG_JavaRuntimeException,
  SWIG_JavaIndexOutOfBoundsException,
  SWIG_JavaArithmeticException,
  SWIG_JavaIllegalArgumentException,
  SWIG_JavaNullPointerException,
  SWIG_JavaUnknownError
};

struct SWIG_JavaExceptions_t {
  SWIG_JavaExceptionCodes code;
  const char* java_exception;
};

// Code -> Java class, ends with the code-0 entry used for unknown codes.
extern const SWIG_JavaExceptions_t java_exceptions[];

// Clears any pending exception and raises the class of `code` with `msg`.
extern "C" void SWIG_JavaThrowException(JNIEnv* jenv, SWIG_JavaExceptionCodes code, const char* msg);

extern const char* const kNullHandleMessage;       // "Attempt to use a null Tovrin handle"
extern const char* const kNullNativeStringMessage; // "Attempt to dereference null string"
extern const char* const kNullStringMessage;       // "null string"
extern const char* const kOutOfMemoryMessage;      // "native memory allocation failed"

// Handle layout: the pointer's bytes at the start (memory order) of a zeroed jlong.
template <class T>
inline jlong ToHandle(T* p) {
  jlong h = 0;
  static_assert(sizeof(p) <= sizeof(h), "pointer wider than jlong");
  std::memcpy(&h, &p, sizeof(p));
  return h;
}

template <class T>
inline T* FromHandle(jlong h) {
  T* p = nullptr;
  std::memcpy(&p, &h, sizeof(p));
  return p;
}

// Runs fn(); a C++ exception becomes a pending Java exception and the result
// is the neutral value (0 / nothing).
template <class F>
auto Guarded(JNIEnv* env, F&& fn) noexcept -> decltype(fn()) {
  using R = decltype(fn());
  try {
    return fn();
  } catch (const std::bad_alloc&) {
    SWIG_JavaThrowException(env, SWIG_JavaOutOfMemoryError, kOutOfMemoryMessage);
  } catch (const std::exception& e) {
    SWIG_JavaThrowException(env, SWIG_JavaRuntimeException, e.what());
  } catch (...) {
    SWIG_JavaThrowException(env, SWIG_JavaRuntimeException, "unknown native exception");
  }
  if constexpr (!std::is_void_v<R>) return R{};
}

// Raises NullPointerException with kNullHandleMessage.
void ThrowNullHandle(JNIEnv* env);

// The engine of a handle, or null after raising NullPointerException. Inline:
// Java calls some getters once per pixel.
inline Tovrin* EngineOrThrow(JNIEnv* env, jlong handle) {
  Tovrin* t = FromHandle<Tovrin>(handle);
  if (!t) ThrowNullHandle(env);
  return t;
}

// fn(Tovrin&) on the engine of `handle`, guarded.
template <class F>
auto CallEngine(JNIEnv* env, jlong handle, F&& fn) noexcept -> decltype(fn(std::declval<Tovrin&>())) {
  using R = decltype(fn(std::declval<Tovrin&>()));
  Tovrin* t = EngineOrThrow(env, handle);
  if (!t) {
    if constexpr (std::is_void_v<R>) return;
    else return R{};
  }
  return Guarded(env, [&]() { return fn(*t); });
}

// Reads a Java String as its modified-UTF-8 bytes and releases them on scope exit.
// Valid() is false for a null String (NullPointerException raised) or when the
// VM could not give the bytes (its own error stays pending).
class JavaUtfChars {
public:
  JavaUtfChars(JNIEnv* env, jstring s);
  ~JavaUtfChars();
  JavaUtfChars(const JavaUtfChars&) = delete;
  JavaUtfChars& operator=(const JavaUtfChars&) = delete;
  bool Valid() const { return mChars != nullptr; }
  const char* Chars() const { return mChars; }

private:
  JNIEnv* mEnv;
  jstring mString;
  const char* mChars;
};

// __SWIG_1 path overload: fn(Tovrin&, std::string) with the String's bytes.
template <class F>
void CallEngineWithPath(JNIEnv* env, jlong handle, jstring path, F&& fn) noexcept {
  JavaUtfChars chars(env, path);
  if (!chars.Valid()) return;
  Tovrin* t = EngineOrThrow(env, handle);
  if (!t) return;
  Guarded(env, [&]() { fn(*t, std::string(chars.Chars())); });
}

// __SWIG_0 path overload: fn(Tovrin&, std::string) with a copy of the native
// std::string whose address `nativeString` carries (handle layout).
template <class F>
void CallEngineWithNativeString(JNIEnv* env, jlong handle, jlong nativeString, F&& fn) noexcept {
  const std::string* s = FromHandle<const std::string>(nativeString);
  if (!s) {
    SWIG_JavaThrowException(env, SWIG_JavaNullPointerException, kNullNativeStringMessage);
    return;
  }
  Tovrin* t = EngineOrThrow(env, handle);
  if (!t) return;
  Guarded(env, [&]() { fn(*t, std::string(*s)); });
}

#endif
