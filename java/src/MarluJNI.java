/**
 * Native entry points of libTovrin. An engine is addressed by the opaque long
 * handle that new_Tovrin returns (0 means no engine); it lives until delete_Tovrin.
 */
public class MarluJNI {
  static {
    System.loadLibrary("Tovrin");
  }

  public final static native long new_Tovrin();
  public final static native void delete_Tovrin(long jarg1);

  public final static native void set_Tovrin_mSkip(long jarg1, int jarg2);
  public final static native int get_Tovrin_mSkip(long jarg1);
  public final static native void set_Tovrin_mSampleIncrement(long jarg1, int jarg2);
  public final static native int get_Tovrin_mSampleIncrement(long jarg1);
  public final static native void set_Tovrin_mScale(long jarg1, int jarg2);
  public final static native int get_Tovrin_mScale(long jarg1);
  public final static native void set_Tovrin_mMaxQueryIdx(long jarg1, int jarg2);
  public final static native int get_Tovrin_mMaxQueryIdx(long jarg1);
  public final static native void set_Tovrin_mTotalQuerySize(long jarg1, int jarg2);
  public final static native int get_Tovrin_mTotalQuerySize(long jarg1);
  public final static native void set_Tovrin_mTotalSourceSize(long jarg1, int jarg2);
  public final static native int get_Tovrin_mTotalSourceSize(long jarg1);
  public final static native void set_Tovrin_mMaxSourceIdx(long jarg1, int jarg2);
  public final static native int get_Tovrin_mMaxSourceIdx(long jarg1);
  public final static native void set_Tovrin_mWindowHeight(long jarg1, int jarg2);
  public final static native int get_Tovrin_mWindowHeight(long jarg1);
  public final static native void set_Tovrin_mWindowWidth(long jarg1, int jarg2);
  public final static native int get_Tovrin_mWindowWidth(long jarg1);

  public final static native void Tovrin_ReadSource__SWIG_0(long jarg1, long jarg2);
  public final static native void Tovrin_ReadSource__SWIG_1(long jarg1, String jarg2);
  public final static native void Tovrin_ReadSourceThinned__SWIG_0(long jarg1, long jarg2);
  public final static native void Tovrin_ReadSourceThinned__SWIG_1(long jarg1, String jarg2);
  public final static native void Tovrin_ReadQueries__SWIG_0(long jarg1, long jarg2);
  public final static native void Tovrin_ReadQueries__SWIG_1(long jarg1, String jarg2);
  public final static native int Tovrin_GetNumQueries(long jarg1);
  public final static native void Tovrin_SetMerSize(long jarg1, int jarg2);
  public final static native int Tovrin_GetScale(long jarg1);
  public final static native void Tovrin_SetScale(long jarg1, int jarg2);
  public final static native void Tovrin_Compare(long jarg1);
  public final static native void Tovrin_CompareThinned(long jarg1);
  public final static native void Tovrin_ComputeStats(long jarg1);
  public final static native void Tovrin_InitPixels(long jarg1);
  public final static native int Tovrin_GetTotalRows2(long jarg1);
  public final static native int Tovrin_GetCols2(long jarg1);
  public final static native int Tovrin_GetIntensity2(long jarg1, int jarg2, int jarg3, int jarg4);
  public final static native int Tovrin_GetRevIntensity2(long jarg1, int jarg2, int jarg3, int jarg4);
  public final static native void Tovrin_InitPixels2(long jarg1);
  public final static native int Tovrin_GetTotalRows(long jarg1);
  public final static native int Tovrin_GetRows(long jarg1, int jarg2);
  public final static native int Tovrin_GetCols__SWIG_0(long jarg1);
  public final static native int Tovrin_GetCols__SWIG_1(long jarg1, int jarg2);
  public final static native int Tovrin_GetIntensity(long jarg1, int jarg2, int jarg3, int jarg4);
}
