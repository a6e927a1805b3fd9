#ifndef TOVRIN_JNI_ARRAYCONVERT_H
#define TOVRIN_JNI_ARRAYCONVERT_H

// Conversion between Java primitive arrays and native arrays, three functions
// per element type. No entry point uses them; they are exported for callers
// that bind array arguments.
//   In:     Java elements -> new native array (new[], the caller delete[]s it);
//           1 on success, 0 on failure (null array: NullPointerException
//           "null array"; no native memory: OutOfMemoryError).
//   Argout: native array -> Java elements, then releases the elements (mode 0);
//           does not free the native array.
//   Out:    native array of `sz` values -> new Java array (null on failure).
// Bool stores 1 for every non-zero element. Long and Ulong are 32-bit on every
// platform; Uint and Ulong take the low 32 bits of each Java long and are
// zero-extended back.

#include <jni.h>

#include <cstdint>

extern "C" {

int SWIG_JavaArrayInBool(JNIEnv* jenv, jboolean** jarr, bool** carr, jbooleanArray input);
void SWIG_JavaArrayArgoutBool(JNIEnv* jenv, jboolean* jarr, bool* carr, jbooleanArray input);
jbooleanArray SWIG_JavaArrayOutBool(JNIEnv* jenv, bool* result, jint sz);

int SWIG_JavaArrayInSchar(JNIEnv* jenv, jbyte** jarr, signed char** carr, jbyteArray input);
void SWIG_JavaArrayArgoutSchar(JNIEnv* jenv, jbyte* jarr, signed char* carr, jbyteArray input);
jbyteArray SWIG_JavaArrayOutSchar(JNIEnv* jenv, signed char* result, jint sz);

int SWIG_JavaArrayInUchar(JNIEnv* jenv, jshort** jarr, unsigned char** carr, jshortArray input);
void SWIG_JavaArrayArgoutUchar(JNIEnv* jenv, jshort* jarr, unsigned char* carr, jshortArray input);
jshortArray SWIG_JavaArrayOutUchar(JNIEnv* jenv, unsigned char* result, jint sz);

int SWIG_JavaArrayInShort(JNIEnv* jenv, jshort** jarr, short** carr, jshortArray input);
void SWIG_JavaArrayArgoutShort(JNIEnv* jenv, jshort* jarr, short* carr, jshortArray input);
jshortArray SWIG_JavaArrayOutShort(JNIEnv* jenv, short* result, jint sz);

int SWIG_JavaArrayInUshort(JNIEnv* jenv, jint** jarr, unsigned short** carr, jintArray input);
void SWIG_JavaArrayArgoutUshort(JNIEnv* jenv, jint* jarr, unsigned short* carr, jintArray input);
jintArray SWIG_JavaArrayOutUshort(JNIEnv* jenv, unsigned short* result, jint sz);

int SWIG_JavaArrayInInt(JNIEnv* jenv, jint** jarr, int** carr, jintArray input);
void SWIG_JavaArrayArgoutInt(JNIEnv* jenv, jint* jarr, int* carr, jintArray input);
jintArray SWIG_JavaArrayOutInt(JNIEnv* jenv, int* result, jint sz);

int SWIG_JavaArrayInUint(JNIEnv* jenv, jlong** jarr, unsigned int** carr, jlongArray input);
void SWIG_JavaArrayArgoutUint(JNIEnv* jenv, jlong* jarr, unsigned int* carr, jlongArray input);
jlongArray SWIG_JavaArrayOutUint(JNIEnv* jenv, unsigned int* result, jint sz);

int SWIG_JavaArrayInLong(JNIEnv* jenv, jint** jarr, int32_t** carr, jintArray input);
void SWIG_JavaArrayArgoutLong(JNIEnv* jenv, jint* jarr, int32_t* carr, jintArray input);
jintArray SWIG_JavaArrayOutLong(JNIEnv* jenv, int32_t* result, jint sz);

int SWIG_JavaArrayInUlong(JNIEnv* jenv, jlong** jarr, uint32_t** carr, jlongArray input);
void SWIG_JavaArrayArgoutUlong(JNIEnv* jenv, jlong* jarr, uint32_t* carr, jlongArray input);
jlongArray SWIG_JavaArrayOutUlong(JNIEnv* jenv, uint32_t* result, jint sz);

int SWIG_JavaArrayInLonglong(JNIEnv* jenv, jlong** jarr, long long** carr, jlongArray input);
void SWIG_JavaArrayArgoutLonglong(JNIEnv* jenv, jlong* jarr, long long* carr, jlongArray input);
jlongArray SWIG_JavaArrayOutLonglong(JNIEnv* jenv, long long* result, jint sz);

int SWIG_JavaArrayInFloat(JNIEnv* jenv, jfloat** jarr, float** carr, jfloatArray input);
void SWIG_JavaArrayArgoutFloat(JNIEnv* jenv, jfloat* jarr, float* carr, jfloatArray input);
jfloatArray SWIG_JavaArrayOutFloat(JNIEnv* jenv, float* result, jint sz);

int SWIG_JavaArrayInDouble(JNIEnv* jenv, jdouble** jarr, double** carr, jdoubleArray input);
void SWIG_JavaArrayArgoutDouble(JNIEnv* jenv, jdouble* jarr, double* carr, jdoubleArray input);
jdoubleArray SWIG_JavaArrayOutDouble(JNIEnv* jenv, double* result, jint sz);
}

#endif
