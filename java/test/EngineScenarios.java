import java.nio.file.Paths;

/**
 * Engine scenarios run in a child JVM by EngineTest, so that the library's
 * console output can be captured whole and compared. Lines of this program
 * start with "> " and are flushed at once, so that they interleave with the
 * library's own lines in the order of the calls.
 * Usage: EngineScenarios name fixturesDir
 */
public final class EngineScenarios {
  private EngineScenarios() {}

  static void say(String s) {
    System.out.println("> " + s);
    System.out.flush();
  }

  static String fixtures;

  static String fx(String name) { return Paths.get(fixtures, name).toString(); }

  public static void main(String[] args) {
    System.loadLibrary("Tovrin");
    fixtures = args[1];
    switch (args[0]) {
      case "road": road(); break;
      case "thinned": thinned(); break;
      case "repeat": repeat(); break;
      case "reread": reread(); break;
      case "refused": refused(); break;
      case "strings": strings(); break;
      default: throw new IllegalArgumentException(args[0]);
    }
    say("end");
  }

  static void fields(long e) {
    say("mMaxQueryIdx=" + MarluJNI.get_Tovrin_mMaxQueryIdx(e) + " mTotalQuerySize=" + MarluJNI.get_Tovrin_mTotalQuerySize(e)
        + " mTotalSourceSize=" + MarluJNI.get_Tovrin_mTotalSourceSize(e) + " mMaxSourceIdx=" + MarluJNI.get_Tovrin_mMaxSourceIdx(e)
        + " mWindowHeight=" + MarluJNI.get_Tovrin_mWindowHeight(e) + " mWindowWidth=" + MarluJNI.get_Tovrin_mWindowWidth(e));
  }

  /** Every non-empty whole-plot pixel, forward then reverse, row by row. */
  static void wholePlot(long e) {
    int rows = MarluJNI.Tovrin_GetTotalRows2(e), cols = MarluJNI.Tovrin_GetCols2(e);
    StringBuilder f = new StringBuilder("fwd"), r = new StringBuilder("rev");
    for (int y = 0; y <= rows; ++y)
      for (int x = 0; x <= cols; ++x) {
        int n = MarluJNI.Tovrin_GetIntensity2(e, 0, x, y);
        if (n != 0) f.append(" (").append(x).append(',').append(y).append(")=").append(n);
        n = MarluJNI.Tovrin_GetRevIntensity2(e, 0, x, y);
        if (n != 0) r.append(" (").append(x).append(',').append(y).append(")=").append(n);
      }
    say(f.toString());
    say(r.toString());
  }

  /** Sizes and non-empty cells of every table; cells as (column, row). */
  static void tables(long e) {
    int n = MarluJNI.Tovrin_GetNumQueries(e);
    for (int q = 0; q < n; ++q) {
      int rows = MarluJNI.Tovrin_GetRows(e, q), cols = MarluJNI.Tovrin_GetCols__SWIG_1(e, q);
      StringBuilder s = new StringBuilder("table " + q + ": " + rows + " x " + cols);
      for (int y = 0; y < rows; ++y)
        for (int x = 0; x < cols; ++x) {
          int v = MarluJNI.Tovrin_GetIntensity(e, q, x, y);
          if (v != 0) s.append(" (").append(x).append(',').append(y).append(")=").append(v);
        }
      say(s.toString());
    }
  }

  static long loaded(int scale) {
    long e = MarluJNI.new_Tovrin();
    MarluJNI.Tovrin_SetScale(e, scale);
    MarluJNI.Tovrin_ReadSource__SWIG_1(e, fx("engine-src.fa"));
    MarluJNI.Tovrin_ReadQueries__SWIG_1(e, fx("engine-qry.fa"));
    return e;
  }

  static void road() {
    long e = MarluJNI.new_Tovrin();
    say("GetScale=" + MarluJNI.Tovrin_GetScale(e) + " mSampleIncrement=" + MarluJNI.get_Tovrin_mSampleIncrement(e)
        + " GetNumQueries=" + MarluJNI.Tovrin_GetNumQueries(e));
    MarluJNI.delete_Tovrin(e);
    e = loaded(10);
    say("GetNumQueries=" + MarluJNI.Tovrin_GetNumQueries(e));
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ComputeStats(e);
    fields(e);
    MarluJNI.Tovrin_InitPixels(e);
    wholePlot(e);
    say("q ignored: " + MarluJNI.Tovrin_GetIntensity2(e, 5, 3, 3) + " " + MarluJNI.Tovrin_GetRevIntensity2(e, -1, 10, 3));
    MarluJNI.Tovrin_InitPixels2(e);
    tables(e);
    say("GetCols=" + MarluJNI.Tovrin_GetCols__SWIG_0(e) + " GetTotalRows=" + MarluJNI.Tovrin_GetTotalRows(e));
    say("=" + MarluJNI.Tovrin_GetIntensity(e, 3, 0, 0));
    say("=" + MarluJNI.Tovrin_GetIntensity(e, -1, 0, 0));
    say("=" + MarluJNI.Tovrin_GetIntensity(e, 0, 7, 0));
    say("=" + MarluJNI.Tovrin_GetIntensity(e, 0, 2, -1));
    say("=" + MarluJNI.Tovrin_GetRows(e, 5));
    say("still usable: " + MarluJNI.Tovrin_GetIntensity(e, 0, 6, 6));
    MarluJNI.delete_Tovrin(e);
  }

  static void thinned() {
    long e = MarluJNI.new_Tovrin();
    MarluJNI.Tovrin_SetScale(e, 10);
    MarluJNI.Tovrin_ReadSourceThinned__SWIG_1(e, fx("engine-src.fa"));
    MarluJNI.Tovrin_ReadQueries__SWIG_1(e, fx("engine-qry.fa"));
    MarluJNI.Tovrin_CompareThinned(e);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels(e);
    wholePlot(e);
    MarluJNI.Tovrin_InitPixels2(e);
    tables(e);
    MarluJNI.delete_Tovrin(e);
  }

  static void repeat() {
    long e = loaded(10);
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels(e);
    wholePlot(e);
    MarluJNI.delete_Tovrin(e);
  }

  static void reread() {
    long e = loaded(10);
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ReadQueries__SWIG_1(e, fx("engine-qry2.fa"));
    say("GetNumQueries=" + MarluJNI.Tovrin_GetNumQueries(e));
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels2(e);
    tables(e);
    say("=" + MarluJNI.Tovrin_GetRows(e, 1));
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels(e);
    wholePlot(e);
    MarluJNI.Tovrin_ReadQueries__SWIG_1(e, fx("engine-missing.fa"));
    say("GetNumQueries=" + MarluJNI.Tovrin_GetNumQueries(e));
    MarluJNI.delete_Tovrin(e);
  }

  static void refused() {
    MarluJNI.Tovrin_SetMerSize(0, 33);
    MarluJNI.Tovrin_SetMerSize(0, 0);
    long e = loaded(10);
    MarluJNI.Tovrin_SetMerSize(0, 16);
    MarluJNI.Tovrin_SetMerSize(e, -1);
    MarluJNI.Tovrin_SetMerSize(e, 32);
    MarluJNI.set_Tovrin_mSampleIncrement(e, 0);
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.set_Tovrin_mSampleIncrement(e, 10);
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_SetScale(e, 0);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels(e);
    MarluJNI.Tovrin_InitPixels2(e);
    say("=" + MarluJNI.Tovrin_GetTotalRows2(e) + " " + MarluJNI.Tovrin_GetCols2(e));
    MarluJNI.set_Tovrin_mScale(e, -7);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_SetScale(e, 10);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.delete_Tovrin(e);
  }

  static void strings() {
    long e = MarluJNI.new_Tovrin();
    try {
      MarluJNI.Tovrin_ReadQueries__SWIG_0(e, 0);
    } catch (NullPointerException ex) {
      say("NullPointerException: " + ex.getMessage());
    }
    try {
      MarluJNI.Tovrin_ReadSource__SWIG_0(e, 0);
    } catch (NullPointerException ex) {
      say("NullPointerException: " + ex.getMessage());
    }
    try {
      MarluJNI.Tovrin_ReadSourceThinned__SWIG_0(e, 0);
    } catch (NullPointerException ex) {
      say("NullPointerException: " + ex.getMessage());
    }
    say("GetNumQueries=" + MarluJNI.Tovrin_GetNumQueries(e));
    long s = TestHooks.newNativeString(fx("engine-qry.fa").getBytes(java.nio.charset.StandardCharsets.UTF_8));
    long t = TestHooks.newNativeString(fx("engine-src.fa").getBytes(java.nio.charset.StandardCharsets.UTF_8));
    MarluJNI.Tovrin_ReadQueries__SWIG_0(e, s);
    MarluJNI.Tovrin_ReadSource__SWIG_0(e, t);
    MarluJNI.Tovrin_ReadSourceThinned__SWIG_0(e, t);
    TestHooks.deleteNativeString(s);
    TestHooks.deleteNativeString(t);
    say("GetNumQueries=" + MarluJNI.Tovrin_GetNumQueries(e));
    MarluJNI.Tovrin_SetScale(e, 10);
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.delete_Tovrin(e);
  }
}
