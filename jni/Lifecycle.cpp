// Engine creation, destruction and the scale operations.
#include "jni/JniUtil.h"

// long new_Tovrin()
extern "C" JNIEXPORT jlong JNICALL Java_MarluJNI_new_1Tovrin(JNIEnv* env, jclass) {
  return Guarded(env, []() { return ToHandle(new Tovrin()); });
}

// void delete_Tovrin(long handle)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_delete_1Tovrin(JNIEnv*, jclass, jlong h) {
  delete FromHandle<Tovrin>(h);
}

// int Tovrin_GetScale(long handle)
extern "C" JNIEXPORT jint JNICALL Java_MarluJNI_Tovrin_1GetScale(JNIEnv* env, jclass, jlong h) {
  return CallEngine(env, h, [](Tovrin& t) { return t.GetScale(); });
}

// void Tovrin_SetScale(long handle, int scale)
extern "C" JNIEXPORT void JNICALL Java_MarluJNI_Tovrin_1SetScale(JNIEnv* env, jclass, jlong h, jint s) {
  CallEngine(env, h, [s](Tovrin& t) { t.SetScale(s); });
}
