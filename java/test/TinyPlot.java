import java.io.IOException;
import java.io.Writer;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;

/**
 * A small plot whose source and queries are generated into a directory, and the
 * full engine cycle that reads back every value. The hardening tests run it on a
 * fresh engine for a baseline, and again after something bad happened to show
 * that the engine (and the process-wide k-mer length) still work.
 */
final class TinyPlot {
  static final int SCALE = 50;

  final Path source;
  final Path queries;

  /** Everything the cycle reads back from the engine. */
  static final class Summary {
    int queries, totalSource, totalQuery, width, height, maxSource, maxQuery;
    int cols2, rows2, totalRows;
    long fwd2, rev2, table;

    @Override
    public String toString() {
      return "queries=" + queries + " source=" + totalSource + " query=" + totalQuery + " window=" + width
          + "x" + height + " max=" + maxSource + "," + maxQuery + " grid=" + cols2 + "x" + rows2 + " fwd2="
          + fwd2 + " rev2=" + rev2 + " tableRows=" + totalRows + " table=" + table;
    }
  }

  TinyPlot(Path dir) throws IOException {
    String s1 = randomBases(1, 1500);
    String s2 = randomBases(2, 900);
    source = dir.resolve("tiny-source.fa");
    writeFasta(source, "s1 tiny source", s1, "s2", s2);
    queries = dir.resolve("tiny-queries.fa");
    writeFasta(queries, "q1 forward", s1.substring(100, 700), "q2 reverse", reverseComplement(s1.substring(300, 1000)),
        "q3 mixed", s2.substring(0, 500) + randomBases(3, 200));
  }

  /** Bases from a fixed linear congruential sequence: the same files on every run. */
  static String randomBases(long seed, int n) {
    StringBuilder b = new StringBuilder(n);
    long x = seed * 0x9E3779B97F4A7C15L + 1;
    for (int i = 0; i < n; i++) {
      x = x * 6364136223846793005L + 1442695040888963407L;
      b.append("ACGT".charAt((int) (x >>> 62)));
    }
    return b.toString();
  }

  static String reverseComplement(String s) {
    StringBuilder b = new StringBuilder(s.length());
    for (int i = s.length() - 1; i >= 0; i--) {
      b.append("TGCA".charAt("ACGT".indexOf(s.charAt(i))));
    }
    return b.toString();
  }

  /** Records as header text, bases, header text, bases, ...; 60 bases per line. */
  static void writeFasta(Path p, String... headerThenBases) throws IOException {
    try (Writer w = Files.newBufferedWriter(p, StandardCharsets.US_ASCII)) {
      for (int r = 0; r < headerThenBases.length; r += 2) {
        w.write(">" + headerThenBases[r] + "\n");
        String s = headerThenBases[r + 1];
        for (int i = 0; i < s.length(); i += 60) {
          w.write(s, i, Math.min(60, s.length() - i));
          w.write("\n");
        }
      }
    }
  }

  Summary run(long e) {
    return run(e, source, queries, true);
  }

  /** The cycle without setting k first: it runs at whatever length the process has. */
  Summary run(long e, boolean setMerSize) {
    return run(e, source, queries, setMerSize);
  }

  /** A new engine, the cycle, delete. */
  Summary runFresh() {
    long e = MarluJNI.new_Tovrin();
    try {
      return run(e);
    } finally {
      MarluJNI.delete_Tovrin(e);
    }
  }

  /** The whole road of one plot on engine e, with the default step (and k = 32 if asked). */
  static Summary run(long e, Path source, Path queries, boolean setMerSize) {
    if (setMerSize) MarluJNI.Tovrin_SetMerSize(e, 32);
    MarluJNI.set_Tovrin_mSampleIncrement(e, 10);
    MarluJNI.Tovrin_SetScale(e, SCALE);
    MarluJNI.Tovrin_ReadSource__SWIG_1(e, source.toString());
    MarluJNI.Tovrin_ReadQueries__SWIG_1(e, queries.toString());
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels(e);
    MarluJNI.Tovrin_InitPixels2(e);
    Summary s = new Summary();
    s.queries = MarluJNI.Tovrin_GetNumQueries(e);
    s.totalSource = MarluJNI.get_Tovrin_mTotalSourceSize(e);
    s.totalQuery = MarluJNI.get_Tovrin_mTotalQuerySize(e);
    s.width = MarluJNI.get_Tovrin_mWindowWidth(e);
    s.height = MarluJNI.get_Tovrin_mWindowHeight(e);
    s.maxSource = MarluJNI.get_Tovrin_mMaxSourceIdx(e);
    s.maxQuery = MarluJNI.get_Tovrin_mMaxQueryIdx(e);
    s.cols2 = MarluJNI.Tovrin_GetCols2(e);
    s.rows2 = MarluJNI.Tovrin_GetTotalRows2(e);
    for (int x = 0; x <= s.cols2; x++) {
      for (int y = 0; y <= s.rows2; y++) {
        s.fwd2 += MarluJNI.Tovrin_GetIntensity2(e, 0, x, y);
        s.rev2 += MarluJNI.Tovrin_GetRevIntensity2(e, 0, x, y);
      }
    }
    s.totalRows = MarluJNI.Tovrin_GetTotalRows(e);
    for (int q = 0; q < s.queries; q++) {
      int rows = MarluJNI.Tovrin_GetRows(e, q);
      int cols = MarluJNI.Tovrin_GetCols__SWIG_1(e, q);
      for (int y = 0; y < rows; y++) {
        for (int x = 0; x < cols; x++) {
          s.table += MarluJNI.Tovrin_GetIntensity(e, q, x, y);
        }
      }
    }
    return s;
  }
}
