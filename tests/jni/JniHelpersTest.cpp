// The binding helpers and lifecycle entry points, run against a fake JNIEnv.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "jni/ArrayConvert.h"
#include "jni/FailingNew.h"
#include "jni/FakeJni.h"
#include "jni/JniUtil.h"

extern "C" {
jlong Java_MarluJNI_new_1Tovrin(JNIEnv*, jclass);
void Java_MarluJNI_delete_1Tovrin(JNIEnv*, jclass, jlong);
jint Java_MarluJNI_get_1Tovrin_1mWindowWidth(JNIEnv*, jclass, jlong);
void Java_MarluJNI_set_1Tovrin_1mWindowWidth(JNIEnv*, jclass, jlong, jint);
jint Java_MarluJNI_Tovrin_1GetScale(JNIEnv*, jclass, jlong);
void Java_MarluJNI_Tovrin_1SetScale(JNIEnv*, jclass, jlong, jint);
}

namespace {

using Calls = std::vector<std::string>;

TEST(JavaExceptions, TableMapsEachCodeAndEndsWithCodeZero) {
  const char* expected[] = {"java/lang/OutOfMemoryError",          "java/io/IOException",
                            "java/lang/RuntimeException",          "java/lang/IndexOutOfBoundsException",
                            "java/lang/ArithmeticException",       "java/lang/IllegalArgumentException",
                            "java/lang/NullPointerException",      "java/lang/UnknownError"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(i + 1, java_exceptions[i].code);
    EXPECT_STREQ(expected[i], java_exceptions[i].java_exception);
  }
  EXPECT_EQ(0, java_exceptions[8].code);
  EXPECT_STREQ("java/lang/UnknownError", java_exceptions[8].java_exception);
}

TEST(JavaExceptions, ClearsFindsThenThrows) {
  struct Case {
    int code;
    const char* cls;
  } cases[] = {{1, "java/lang/OutOfMemoryError"}, {7, "java/lang/NullPointerException"},
               {8, "java/lang/UnknownError"},     {42, "java/lang/UnknownError"},
               {0, "java/lang/UnknownError"},     {-3, "java/lang/UnknownError"}};
  for (const Case& c : cases) {
    FakeJni jni;
    SWIG_JavaThrowException(jni.Env(), static_cast<SWIG_JavaExceptionCodes>(c.code), "m");
    EXPECT_EQ((Calls{"clear", std::string("find:") + c.cls, std::string("throw:") + c.cls + ":m"}), jni.mCalls)
        << "code " << c.code;
  }
}

TEST(JavaExceptions, MissingClassRaisesNothing) {
  FakeJni jni;
  jni.mFindClassFails = true;
  jni.mPending = "java/lang/Error:old";
  SWIG_JavaThrowException(jni.Env(), SWIG_JavaIOException, "m");
  EXPECT_EQ((Calls{"clear", "find:java/io/IOException"}), jni.mCalls);
  EXPECT_EQ("", jni.mPending);
}

TEST(Handle, PointerSitsInTheFirstBytesAndTheRestIsZero) {
  int x = 0;
  jlong h = ToHandle(&x);
  unsigned char bytes[sizeof(jlong)];
  std::memcpy(bytes, &h, sizeof(h));
  int* p = &x;
  EXPECT_EQ(0, std::memcmp(bytes, &p, sizeof(p)));
  for (std::size_t i = sizeof(p); i < sizeof(jlong); ++i) EXPECT_EQ(0, bytes[i]);
  EXPECT_EQ(&x, FromHandle<int>(h));
  EXPECT_EQ(0, ToHandle<int>(nullptr));
  EXPECT_EQ(nullptr, FromHandle<Tovrin>(0));
}

TEST(Lifecycle, NewGivesAnEngineWithDefaults) {
  FakeJni jni;
  jlong h = Java_MarluJNI_new_1Tovrin(jni.Env(), nullptr);
  ASSERT_NE(0, h);
  Tovrin* t = FromHandle<Tovrin>(h);
  EXPECT_EQ(200, t->mScale);
  EXPECT_EQ(10, t->mSampleIncrement);
  EXPECT_EQ(11u, t->mThinModulus);
  EXPECT_EQ(0u, t->mThinRemainder);
  Java_MarluJNI_Tovrin_1SetScale(jni.Env(), nullptr, h, -9);
  EXPECT_EQ(-9, Java_MarluJNI_Tovrin_1GetScale(jni.Env(), nullptr, h));
  Java_MarluJNI_delete_1Tovrin(jni.Env(), nullptr, h);
  Java_MarluJNI_delete_1Tovrin(jni.Env(), nullptr, 0);
  EXPECT_TRUE(jni.mCalls.empty());
}

TEST(Lifecycle, NewWithoutMemoryRaisesOutOfMemoryErrorAndGivesZero) {
  FakeJni jni;
  jlong h;
  {
    NoMemory none;
    h = Java_MarluJNI_new_1Tovrin(jni.Env(), nullptr);
  }
  EXPECT_EQ(0, h);
  EXPECT_EQ("java/lang/OutOfMemoryError:native memory allocation failed", jni.mPending);
}

TEST(Fields, HandleZero) {
  FakeJni jni;
  Java_MarluJNI_set_1Tovrin_1mWindowWidth(jni.Env(), nullptr, 0, 5);
  EXPECT_TRUE(jni.mCalls.empty());
  EXPECT_EQ(0, Java_MarluJNI_get_1Tovrin_1mWindowWidth(jni.Env(), nullptr, 0));
  EXPECT_EQ("java/lang/NullPointerException:Attempt to use a null Tovrin handle", jni.mPending);
}

TEST(Guard, ExceptionsBecomeJavaExceptionsAndANeutralResult) {
  Tovrin t;
  jlong h = ToHandle(&t);
  {
    FakeJni jni;
    EXPECT_EQ(0, CallEngine(jni.Env(), h, [](Tovrin&) -> int { throw std::bad_alloc(); }));
    EXPECT_EQ("java/lang/OutOfMemoryError:native memory allocation failed", jni.mPending);
  }
  {
    FakeJni jni;
    EXPECT_EQ(0, CallEngine(jni.Env(), h, [](Tovrin&) -> int { throw std::out_of_range("row 7"); }));
    EXPECT_EQ("java/lang/RuntimeException:row 7", jni.mPending);
  }
  {
    FakeJni jni;
    CallEngine(jni.Env(), h, [](Tovrin&) { throw 3; });
    EXPECT_EQ("java/lang/RuntimeException:unknown native exception", jni.mPending);
  }
  {
    FakeJni jni;
    bool called = false;
    EXPECT_EQ(0, CallEngine(jni.Env(), 0, [&](Tovrin&) { called = true; return 5; }));
    EXPECT_FALSE(called);
    EXPECT_EQ("java/lang/NullPointerException:Attempt to use a null Tovrin handle", jni.mPending);
  }
  {
    FakeJni jni;
    EXPECT_EQ(200, CallEngine(jni.Env(), h, [](Tovrin& e) { return e.GetScale(); }));
    EXPECT_TRUE(jni.mCalls.empty());
  }
}

TEST(Paths, JavaStringIsReleasedAfterTheEngineCallEvenWhenItThrows) {
  Tovrin t;
  FakeString s{"/tmp/q\xc3\xa9.fa"};
  {
    FakeJni jni;
    std::string got;
    CallEngineWithPath(jni.Env(), ToHandle(&t), FakeJni::String(s), [&](Tovrin&, std::string p) {
      jni.mCalls.push_back("engine");
      got = p;
    });
    EXPECT_EQ(s.mUtf, got);
    EXPECT_EQ((Calls{"utf", "engine", "release-utf"}), jni.mCalls);
    EXPECT_EQ(0, jni.mOutstandingUtf);
  }
  {
    FakeJni jni;
    CallEngineWithPath(jni.Env(), ToHandle(&t), FakeJni::String(s),
                       [&](Tovrin&, std::string) { throw std::runtime_error("disk"); });
    EXPECT_EQ(0, jni.mOutstandingUtf);
    EXPECT_EQ("java/lang/RuntimeException:disk", jni.mPending);
  }
}

TEST(Paths, NoEngineCallWithoutAPath) {
  Tovrin t;
  bool called = false;
  auto engine = [&](Tovrin&, std::string) { called = true; };
  {
    FakeJni jni;  // null Java String
    CallEngineWithPath(jni.Env(), ToHandle(&t), nullptr, engine);
    EXPECT_EQ("java/lang/NullPointerException:null string", jni.mPending);
  }
  {
    FakeJni jni;  // the VM cannot give the bytes: its own error stays
    jni.mUtfCharsFail = true;
    FakeString s{"x"};
    CallEngineWithPath(jni.Env(), ToHandle(&t), FakeJni::String(s), engine);
    EXPECT_EQ((Calls{"utf"}), jni.mCalls);
    EXPECT_EQ("java/lang/OutOfMemoryError:utf", jni.mPending);
  }
  {
    FakeJni jni;  // null native string
    CallEngineWithNativeString(jni.Env(), ToHandle(&t), 0, engine);
    EXPECT_EQ("java/lang/NullPointerException:Attempt to dereference null string", jni.mPending);
  }
  {
    FakeJni jni;  // handle 0, the Java string is still released
    FakeString s{"x"};
    CallEngineWithPath(jni.Env(), 0, FakeJni::String(s), engine);
    EXPECT_EQ("java/lang/NullPointerException:Attempt to use a null Tovrin handle", jni.mPending);
    EXPECT_EQ(0, jni.mOutstandingUtf);
  }
  EXPECT_FALSE(called);
  {
    FakeJni jni;
    std::string native("a\0b", 3);
    std::string got;
    CallEngineWithNativeString(jni.Env(), ToHandle(&t), ToHandle(&native),
                               [&](Tovrin&, std::string p) { got = p; });
    EXPECT_EQ(native, got);
  }
}

TEST(Arrays, InOutAndArgoutOnIntArrays) {
  FakeJni jni;
  FakeIntArray a{{3, -1, 7}};
  jint* jarr = nullptr;
  int* carr = nullptr;
  ASSERT_EQ(1, SWIG_JavaArrayInInt(jni.Env(), &jarr, &carr, FakeJni::Ints(a)));
  EXPECT_EQ(-1, carr[1]);
  carr[1] = 99;
  SWIG_JavaArrayArgoutInt(jni.Env(), jarr, carr, FakeJni::Ints(a));
  EXPECT_EQ((std::vector<jint>{3, 99, 7}), a.mData);
  EXPECT_EQ(0, jni.mOutstandingArrays);
  delete[] carr;

  uint32_t* u = nullptr;
  EXPECT_EQ(0, SWIG_JavaArrayInUlong(jni.Env(), nullptr, &u, nullptr));
  EXPECT_EQ("java/lang/NullPointerException:null array", jni.mPending);
}

TEST(Arrays, InFailures) {
  {
    FakeJni jni;
    jni.mArrayElementsFail = true;
    FakeIntArray a{{1}};
    jint* jarr = nullptr;
    int* carr = nullptr;
    EXPECT_EQ(0, SWIG_JavaArrayInInt(jni.Env(), &jarr, &carr, FakeJni::Ints(a)));
    EXPECT_TRUE(jni.mCalls.empty());
  }
  {
    FakeJni jni;
    FakeIntArray a{{1, 2}};
    jint* jarr = nullptr;
    int32_t* carr = nullptr;
    int r;
    {
      NoMemory none;
      r = SWIG_JavaArrayInLong(jni.Env(), &jarr, &carr, FakeJni::Ints(a));
    }
    EXPECT_EQ(0, r);
    EXPECT_EQ(nullptr, carr);
    EXPECT_EQ(0, jni.mOutstandingArrays) << "the Java elements are given back";
    EXPECT_EQ("java/lang/OutOfMemoryError:array memory allocation failed", jni.mPending);
  }
}

}  // namespace
