/** Test-only natives (libTovrinTestHooks) that reach binding helpers MarluJNI does not expose. */
final class TestHooks {
  static {
    try {
      Class.forName("MarluJNI"); // loads libTovrin, which the hooks link against
      Class.forName("MarluJNI");
    } catch (ClassNotFoundException e) {
      throw new ExceptionInInitializerError(e);
    }
    System.loadLibrary("TovrinTestHooks");
  }

  private TestHooks() {}

  /** SWIG_JavaThrowException(code, msg). */
  static native void throwException(int code, String msg);
  /** Leaves an IllegalStateException pending, then SWIG_JavaThrowException(code, msg). */
  static native void throwOverPending(int code, String msg);

  /** Result of the last SWIG_JavaArrayIn call made by a hook. */
  static native int lastInResult();
  /** SWIG_JavaArrayIn<type> then the native elements, widened to long. */
  static native long[] nativeValues(String type, Object array);
  /** In, add 1 to every native element, Argout (into array), Out of the native array. */
  static native Object roundTrip(String type, Object array);
  /** SWIG_JavaArrayOut<type> of the values cast to the element type (or of a null pointer). */
  static native Object outOf(String type, long[] values, boolean nullPointer);
  /** SWIG_JavaArrayInBool on a boolean[] with the given raw bytes; the stored native bytes. */
  static native long[] boolInRaw(byte[] raw);

  /** Path of a __SWIG_1 overload as the engine receives it; the engine call bumps mSkip. */
  static native byte[] pathSwig1(long engine, String path);
  /** Same through the __SWIG_0 overload with a native string handle. */
  static native byte[] pathSwig0(long engine, long nativeString);
  static native long newNativeString(byte[] bytes);
  static native void deleteNativeString(long nativeString);

  /** Guarded engine call: mode 0 returns mScale, 1 bad_alloc, 2 runtime_error, 3 non-std. */
  static native int guardedInt(long engine, int mode);
  /** Same, void; mode 0 adds 1000 to mScale. */
  static native void guardedVoid(long engine, int mode);
}
