#ifndef TOVRIN_TESTS_JNI_FAKEJNI_H
#define TOVRIN_TESTS_JNI_FAKEJNI_H

// A JNIEnv without a JVM: records what the binding asks of it, so that the
// binding helpers can be run natively (and under the sanitizers).
// jstring values are FakeString*, jintArray values are FakeIntArray*.

#include <jni.h>

#include <string>
#include <vector>

struct FakeString {
  std::string mUtf;
};

struct FakeIntArray {
  std::vector<jint> mData;
};

class FakeJni {
public:
  FakeJni();
  FakeJni(const FakeJni&) = delete;
  FakeJni& operator=(const FakeJni&) = delete;

  JNIEnv* Env() { return &mEnv; }

  // Behaviour switches.
  bool mFindClassFails = false;   // FindClass gives null
  bool mUtfCharsFail = false;     // GetStringUTFChars gives null
  bool mArrayElementsFail = false;

  // What happened, in order: "clear", "find:<class>", "throw:<class>:<msg>",
  // "utf", "release-utf", "release-ints:<mode>".
  std::vector<std::string> mCalls;
  int mOutstandingUtf = 0;    // GetStringUTFChars not yet released
  int mOutstandingArrays = 0; // Get<Kind>ArrayElements not yet released

  // The last exception thrown and not cleared, as "<class>:<msg>" ("" if none).
  std::string mPending;

  static jstring String(FakeString& s) { return reinterpret_cast<jstring>(&s); }
  static jintArray Ints(FakeIntArray& a) { return reinterpret_cast<jintArray>(&a); }

private:
  JNINativeInterface_ mFns;
  JNIEnv mEnv;
};

#endif
