#include "jni/JniUtil.h"

const SWIG_JavaExceptions_t java_exceptions[] = {
    {SWIG_JavaOutOfMemoryError, "java/lang/OutOfMemoryError"},
    {SWIG_JavaIOException, "java/io/IOException"},
    {SWIG_JavaRuntimeException, "java/lang/RuntimeException"},
    {SWIG_JavaIndexOutOfBoundsException, "java/lang/IndexOutOfBoundsException"},
    {SWIG_JavaArithmeticException, "java/lang/ArithmeticException"},
    {SWIG_JavaIllegalArgumentException, "java/lang/IllegalArgumentException"},
    {SWIG_JavaNullPointerException, "java/lang/NullPointerException"},
    {SWIG_JavaUnknownError, "java/lang/UnknownError"},
    {(SWIG_JavaExceptionCodes)0, "java/lang/UnknownError"}};

const char* const kNullHandleMessage = "Attempt to use a null Tovrin handle";
const char* const kNullNativeStringMessage = "Attempt to dereference null string";
const char* const kNullStringMessage = "null string";
const char* const kOutOfMemoryMessage = "native memory allocation failed";

extern "C" JNIEXPORT void SWIG_JavaThrowException(JNIEnv* jenv, SWIG_JavaExceptionCodes code, const char* msg) {
  const SWIG_JavaExceptions_t* e = java_exceptions;
  while (e->code != code && e->code != 0) ++e;
  jenv->ExceptionClear();
  jclass cls = jenv->FindClass(e->java_exception);
  if (cls) {
    jenv->ThrowNew(cls, msg);
    jenv->DeleteLocalRef(cls);
  }
}

void ThrowNullHandle(JNIEnv* env) {
  SWIG_JavaThrowException(env, SWIG_JavaNullPointerException, kNullHandleMessage);
}

JavaUtfChars::JavaUtfChars(JNIEnv* env, jstring s) : mEnv(env), mString(s), mChars(nullptr) {
  if (!s) {
    SWIG_JavaThrowException(env, SWIG_JavaNullPointerException, kNullStringMessage);
    return;
  }
  mChars = env->GetStringUTFChars(s, nullptr);
}

JavaUtfChars::~JavaUtfChars() {
  if (mChars) mEnv->ReleaseStringUTFChars(mString, mChars);
}
