#include "jni/FakeJni.h"

#include "jni/FailingNew.h"

#include <cstring>
#include <list>

namespace {

// The owner sits in the functions table's spare slot.
FakeJni& Self(JNIEnv* env) { return *static_cast<FakeJni*>(env->functions->reserved0); }

jclass JNICALL FindClass(JNIEnv* env, const char* name) {
  AllowMemory jvmHeap;
  FakeJni& f = Self(env);
  f.mCalls.push_back(std::string("find:") + name);
  if (f.mFindClassFails) return nullptr;
  // A jclass is the address of its interned name.
  static std::list<std::string> interned;
  for (std::string& s : interned)
    if (s == name) return reinterpret_cast<jclass>(&s);
  interned.push_back(name);
  return reinterpret_cast<jclass>(&interned.back());
}

jint JNICALL ThrowNew(JNIEnv* env, jclass cls, const char* msg) {
  AllowMemory jvmHeap;
  FakeJni& f = Self(env);
  std::string e = *reinterpret_cast<std::string*>(cls) + ":" + msg;
  f.mCalls.push_back("throw:" + e);
  f.mPending = e;
  return 0;
}

void JNICALL ExceptionClear(JNIEnv* env) {
  AllowMemory jvmHeap;
  FakeJni& f = Self(env);
  f.mCalls.push_back("clear");
  f.mPending.clear();
}

void JNICALL DeleteLocalRef(JNIEnv*, jobject) {}

const char* JNICALL GetStringUTFChars(JNIEnv* env, jstring s, jboolean* isCopy) {
  AllowMemory jvmHeap;
  FakeJni& f = Self(env);
  f.mCalls.push_back("utf");
  if (isCopy) *isCopy = JNI_TRUE;
  if (f.mUtfCharsFail) {
    f.mPending = "java/lang/OutOfMemoryError:utf";
    return nullptr;
  }
  const std::string& u = reinterpret_cast<FakeString*>(s)->mUtf;
  char* copy = new char[u.size() + 1];
  std::memcpy(copy, u.c_str(), u.size() + 1);
  ++f.mOutstandingUtf;
  return copy;
}

void JNICALL ReleaseStringUTFChars(JNIEnv* env, jstring, const char* chars) {
  AllowMemory jvmHeap;
  FakeJni& f = Self(env);
  f.mCalls.push_back("release-utf");
  --f.mOutstandingUtf;
  delete[] chars;
}

jsize JNICALL GetArrayLength(JNIEnv*, jarray a) {
  return static_cast<jsize>(reinterpret_cast<FakeIntArray*>(a)->mData.size());
}

jint* JNICALL GetIntArrayElements(JNIEnv* env, jintArray a, jboolean* isCopy) {
  AllowMemory jvmHeap;
  FakeJni& f = Self(env);
  if (isCopy) *isCopy = JNI_TRUE;
  if (f.mArrayElementsFail) return nullptr;
  FakeIntArray* arr = reinterpret_cast<FakeIntArray*>(a);
  jint* copy = new jint[arr->mData.size() + 1];
  std::memcpy(copy, arr->mData.data(), arr->mData.size() * sizeof(jint));
  ++f.mOutstandingArrays;
  return copy;
}

void JNICALL ReleaseIntArrayElements(JNIEnv* env, jintArray a, jint* elems, jint mode) {
  AllowMemory jvmHeap;
  FakeJni& f = Self(env);
  f.mCalls.push_back("release-ints:" + std::to_string(mode));
  FakeIntArray* arr = reinterpret_cast<FakeIntArray*>(a);
  if (mode != JNI_ABORT) std::memcpy(arr->mData.data(), elems, arr->mData.size() * sizeof(jint));
  if (mode != JNI_COMMIT) {
    --f.mOutstandingArrays;
    delete[] elems;
  }
}

}  // namespace

FakeJni::FakeJni() : mFns(), mEnv() {
  mFns.reserved0 = this;
  mFns.FindClass = FindClass;
  mFns.ThrowNew = ThrowNew;
  mFns.ExceptionClear = ExceptionClear;
  mFns.DeleteLocalRef = DeleteLocalRef;
  mFns.GetStringUTFChars = GetStringUTFChars;
  mFns.ReleaseStringUTFChars = ReleaseStringUTFChars;
  mFns.GetArrayLength = GetArrayLength;
  mFns.GetIntArrayElements = GetIntArrayElements;
  mFns.ReleaseIntArrayElements = ReleaseIntArrayElements;
  mEnv.functions = &mFns;
}
