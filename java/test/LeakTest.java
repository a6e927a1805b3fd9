import static org.junit.jupiter.api.Assertions.*;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import org.junit.jupiter.api.Test;

/**
 * Full engine cycles (load, compare, statistics, both pixel stores, every value
 * read, delete) repeated in this JVM: its resident memory must stay flat. One
 * cycle indexes half a megabase, so anything the engine kept per cycle would
 * add megabytes each time.
 */
class LeakTest {
  static final int WARM_UP = 15, CYCLES = 120;
  static final int SCALE = 1000;

  @Test
  void residentMemoryStaysFlatOverRepeatedEngineCycles() throws Exception {
    Path dir = Files.createTempDirectory("tovrin-leak");
    try {
      String s1 = TinyPlot.randomBases(21, 300_000), s2 = TinyPlot.randomBases(22, 200_000);
      Path source = dir.resolve("source.fa"), queries = dir.resolve("queries.fa");
      TinyPlot.writeFasta(source, "s1", s1, "s2", s2);
      TinyPlot.writeFasta(queries, "q1", s1.substring(1000, 61000), "q2", TinyPlot.reverseComplement(s2.substring(0, 50000)),
          "q3", TinyPlot.randomBases(23, 20000), "q4", s2.substring(150000, 200000));

      long expected = cycle(source, queries);
      assertTrue(expected > 0, "the cycle finds hits");
      for (int i = 0; i < WARM_UP; i++) assertEquals(expected, cycle(source, queries));
      long before = residentKb();
      for (int i = 0; i < CYCLES; i++) assertEquals(expected, cycle(source, queries), "cycle " + i);
      long after = residentKb();
      System.out.println("LeakTest: VmRSS " + before + " kB -> " + after + " kB over " + CYCLES + " cycles");
      assertTrue(after - before < 32 * 1024,
          "resident memory grew by " + (after - before) + " kB over " + CYCLES + " cycles (" + before + " -> " + after + ")");
    } finally {
      try (var files = Files.list(dir)) {
        for (Path p : (Iterable<Path>) files::iterator) Files.delete(p);
      }
      Files.delete(dir);
    }
  }

  /** new, the whole road, every value read, delete; the sum of everything read. */
  static long cycle(Path source, Path queries) {
    long e = MarluJNI.new_Tovrin();
    try {
      MarluJNI.Tovrin_SetScale(e, SCALE);
      MarluJNI.Tovrin_ReadSource__SWIG_1(e, source.toString());
      MarluJNI.Tovrin_ReadQueries__SWIG_1(e, queries.toString());
      MarluJNI.Tovrin_Compare(e);
      MarluJNI.Tovrin_ComputeStats(e);
      MarluJNI.Tovrin_InitPixels(e);
      MarluJNI.Tovrin_InitPixels2(e);
      long sum = 0;
      int cols2 = MarluJNI.Tovrin_GetCols2(e), rows2 = MarluJNI.Tovrin_GetTotalRows2(e);
      for (int x = 0; x <= cols2; x++) {
        for (int y = 0; y <= rows2; y++) {
          sum += MarluJNI.Tovrin_GetIntensity2(e, 0, x, y) + MarluJNI.Tovrin_GetRevIntensity2(e, 0, x, y);
        }
      }
      int n = MarluJNI.Tovrin_GetNumQueries(e);
      for (int q = 0; q < n; q++) {
        int rows = MarluJNI.Tovrin_GetRows(e, q), cols = MarluJNI.Tovrin_GetCols__SWIG_1(e, q);
        for (int y = 0; y < rows; y++) {
          for (int x = 0; x < cols; x++) sum += MarluJNI.Tovrin_GetIntensity(e, q, x, y);
        }
      }
      return sum;
    } finally {
      MarluJNI.delete_Tovrin(e);
    }
  }

  static long residentKb() throws IOException {
    System.gc();
    for (String l : Files.readAllLines(Path.of("/proc/self/status"), StandardCharsets.US_ASCII)) {
      if (l.startsWith("VmRSS:")) return Long.parseLong(l.replaceAll("[^0-9]", ""));
    }
    throw new IllegalStateException("no VmRSS");
  }
}
