#include "jni/ArrayConvert.h"

#include <new>

#include "jni/JniUtil.h"

namespace {

// JNI access to one primitive array kind.
#define TOVRIN_ARRAY_KIND(KindName, JType, AType)                                      \
  struct KindName##Kind {                                                              \
    using J = JType;                                                                   \
    using A = AType;                                                                   \
    static J* Get(JNIEnv* e, A a) { return e->Get##KindName##ArrayElements(a, nullptr); } \
    static void Release(JNIEnv* e, A a, J* p, jint mode) {                             \
      e->Release##KindName##ArrayElements(a, p, mode);                                 \
    }                                                                                  \
    static A New(JNIEnv* e, jsize n) { return e->New##KindName##Array(n); }            \
  };
TOVRIN_ARRAY_KIND(Boolean, jboolean, jbooleanArray)
TOVRIN_ARRAY_KIND(Byte, jbyte, jbyteArray)
TOVRIN_ARRAY_KIND(Short, jshort, jshortArray)
TOVRIN_ARRAY_KIND(Int, jint, jintArray)
TOVRIN_ARRAY_KIND(Long, jlong, jlongArray)
TOVRIN_ARRAY_KIND(Float, jfloat, jfloatArray)
TOVRIN_ARRAY_KIND(Double, jdouble, jdoubleArray)
#undef TOVRIN_ARRAY_KIND

// Element conversion: plain casts, except where noted.
template <class C, class J>
struct CastConv {
  static C In(J j) { return static_cast<C>(j); }
  static J Out(C c) { return static_cast<J>(c); }
};
struct BoolConv {
  static bool In(jboolean j) { return j != 0; }
  static jboolean Out(bool c) { return c ? JNI_TRUE : JNI_FALSE; }
};
// Low 32 bits of the Java long in, zero-extended out.
struct U32Conv {
  static uint32_t In(jlong j) { return static_cast<uint32_t>(static_cast<uint64_t>(j) & 0xFFFFFFFFu); }
  static jlong Out(uint32_t c) { return static_cast<jlong>(static_cast<uint64_t>(c)); }
};

using ScharConv = CastConv<signed char, jbyte>;
using UcharConv = CastConv<unsigned char, jshort>;
using ShortConv = CastConv<short, jshort>;
using UshortConv = CastConv<unsigned short, jint>;
using IntConv = CastConv<int, jint>;
using LongConv = CastConv<int32_t, jint>;
using LonglongConv = CastConv<long long, jlong>;
using FloatConv = CastConv<float, jfloat>;
using DoubleConv = CastConv<double, jdouble>;

const char* const kNullArrayMessage = "null array";
const char* const kArrayAllocMessage = "array memory allocation failed";

template <class K, class Cv, class C>
int ArrayIn(JNIEnv* env, typename K::J** jarr, C** carr, typename K::A input) {
  if (!input) {
    SWIG_JavaThrowException(env, SWIG_JavaNullPointerException, kNullArrayMessage);
    return 0;
  }
  jsize sz = env->GetArrayLength(input);
  *jarr = K::Get(env, input);
  if (!*jarr) return 0;
  *carr = new (std::nothrow) C[sz];
  if (!*carr) {
    // Give the Java elements back so that nothing stays pinned.
    K::Release(env, input, *jarr, JNI_ABORT);
    *jarr = nullptr;
    SWIG_JavaThrowException(env, SWIG_JavaOutOfMemoryError, kArrayAllocMessage);
    return 0;
  }
  for (jsize i = 0; i < sz; ++i) (*carr)[i] = Cv::In((*jarr)[i]);
  return 1;
}

template <class K, class Cv, class C>
void ArrayArgout(JNIEnv* env, typename K::J* jarr, C* carr, typename K::A input) {
  if (!jarr) return;
  jsize sz = env->GetArrayLength(input);
  if (carr)
    for (jsize i = 0; i < sz; ++i) jarr[i] = Cv::Out(carr[i]);
  K::Release(env, input, jarr, 0);
}

template <class K, class Cv, class C>
typename K::A ArrayOut(JNIEnv* env, C* result, jint sz) {
  if (!result && sz > 0) {
    SWIG_JavaThrowException(env, SWIG_JavaNullPointerException, kNullArrayMessage);
    return nullptr;
  }
  typename K::A a = K::New(env, sz);
  if (!a) return nullptr;
  typename K::J* j = K::Get(env, a);
  if (!j) {
    env->DeleteLocalRef(a);
    return nullptr;
  }
  for (jint i = 0; i < sz; ++i) j[i] = Cv::Out(result[i]);
  K::Release(env, a, j, 0);
  return a;
}

}  // namespace

// The exported family: real functions named SWIG_JavaArray{In,Argout,Out}<Name>.
#define TOVRIN_ARRAY_FAMILY(Name, CType, Kn, Conv)                                             \
  extern "C" JNIEXPORT int SWIG_JavaArrayIn##Name(JNIEnv* jenv, Kn##Kind::J** jarr, CType** carr, \
                                                  Kn##Kind::A input) {                         \
    return ArrayIn<Kn##Kind, Conv>(jenv, jarr, carr, input);                                   \
  }                                                                                              \
  extern "C" JNIEXPORT void SWIG_JavaArrayArgout##Name(JNIEnv* jenv, Kn##Kind::J* jarr, CType* carr, \
                                                       Kn##Kind::A input) {                    \
    ArrayArgout<Kn##Kind, Conv>(jenv, jarr, carr, input);                                      \
  }                                                                                              \
  extern "C" JNIEXPORT Kn##Kind::A SWIG_JavaArrayOut##Name(JNIEnv* jenv, CType* result, jint sz) { \
    return ArrayOut<Kn##Kind, Conv>(jenv, result, sz);                                         \
  }

TOVRIN_ARRAY_FAMILY(Bool, bool, Boolean, BoolConv)
TOVRIN_ARRAY_FAMILY(Schar, signed char, Byte, ScharConv)
TOVRIN_ARRAY_FAMILY(Uchar, unsigned char, Short, UcharConv)
TOVRIN_ARRAY_FAMILY(Short, short, Short, ShortConv)
TOVRIN_ARRAY_FAMILY(Ushort, unsigned short, Int, UshortConv)
TOVRIN_ARRAY_FAMILY(Int, int, Int, IntConv)
TOVRIN_ARRAY_FAMILY(Uint, unsigned int, Long, U32Conv)
TOVRIN_ARRAY_FAMILY(Long, int32_t, Int, LongConv)
TOVRIN_ARRAY_FAMILY(Ulong, uint32_t, Long, U32Conv)
TOVRIN_ARRAY_FAMILY(Longlong, long long, Long, LonglongConv)
TOVRIN_ARRAY_FAMILY(Float, float, Float, FloatConv)
TOVRIN_ARRAY_FAMILY(Double, double, Double, DoubleConv)
#undef TOVRIN_ARRAY_FAMILY
