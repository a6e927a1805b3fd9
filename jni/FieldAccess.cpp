// The nine int fields Java reads and writes directly. A setter given handle 0
// does nothing; a getter given handle 0 raises NullPointerException.
#include "jni/JniUtil.h"

namespace {

jint GetField(JNIEnv* env, jlong h, int Tovrin::*field) {
  Tovrin* t = EngineOrThrow(env, h);
  return t ? t->*field : 0;
}

void SetField(jlong h, jint value, int Tovrin::*field) {
  if (Tovrin* t = FromHandle<Tovrin>(h)) t->*field = value;
}

}  // namespace

// int get_Tovrin_mSkip(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mSkip(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mSkip);
}

// void set_Tovrin_mSkip(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mSkip(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mSkip);
}

// int get_Tovrin_mSampleIncrement(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mSampleIncrement(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mSampleIncrement);
}

// void set_Tovrin_mSampleIncrement(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mSampleIncrement(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mSampleIncrement);
}

// int get_Tovrin_mScale(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mScale(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mScale);
}

// void set_Tovrin_mScale(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mScale(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mScale);
}

// int get_Tovrin_mMaxQueryIdx(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mMaxQueryIdx(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mMaxQueryIdx);
}

// void set_Tovrin_mMaxQueryIdx(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mMaxQueryIdx(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mMaxQueryIdx);
}

// int get_Tovrin_mTotalQuerySize(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mTotalQuerySize(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mTotalQuerySize);
}

// void set_Tovrin_mTotalQuerySize(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mTotalQuerySize(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mTotalQuerySize);
}

// int get_Tovrin_mTotalSourceSize(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mTotalSourceSize(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mTotalSourceSize);
}

// void set_Tovrin_mTotalSourceSize(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mTotalSourceSize(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mTotalSourceSize);
}

// int get_Tovrin_mMaxSourceIdx(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mMaxSourceIdx(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mMaxSourceIdx);
}

// void set_Tovrin_mMaxSourceIdx(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mMaxSourceIdx(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mMaxSourceIdx);
}

// int get_Tovrin_mWindowHeight(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mWindowHeight(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mWindowHeight);
}

// void set_Tovrin_mWindowHeight(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mWindowHeight(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mWindowHeight);
}

// int get_Tovrin_mWindowWidth(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_get_1Tovrin_1mWindowWidth(JNIEnv* env, jclass, jlong h) {
  return GetField(env, h, &Tovrin::mWindowWidth);
}

// void set_Tovrin_mWindowWidth(long handle, int value)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_set_1Tovrin_1mWindowWidth(JNIEnv*, jclass, jlong h, jint v) {
  SetField(h, v, &Tovrin::mWindowWidth);
}
