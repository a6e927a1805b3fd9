import static org.junit.jupiter.api.Assertions.*;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.io.File;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.Map;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.Test;

/**
 * The engine through MarluJNI in a real JVM. Scenarios whose console output
 * matters run in a child JVM (EngineScenarios) so that the library's lines
 * are captured whole, in order with the values Java reads back.
 */
class EngineTest {
  static final String FIXTURES = System.getProperty("tovrin.fixtures");

  /** Runs one scenario; returns {stdout, stderr}. The child must end normally. */
  static String[] scenario(String name) throws Exception {
    String testClasses = Paths.get(EngineScenarios.class.getProtectionDomain().getCodeSource().getLocation().toURI())
        .toString();
    String java = Paths.get(System.getProperty("java.home"), "bin", "java").toString();
    ProcessBuilder pb = new ProcessBuilder(java, "-Xcheck:jni",
        "-Djava.library.path=" + System.getProperty("java.library.path"),
        "-cp", System.getProperty("tovrin.classes") + File.pathSeparator + testClasses,
        "EngineScenarios", name, FIXTURES);
    File err = Files.createTempFile("engine", ".err").toFile();
    pb.redirectError(err);
    Process p = pb.start();
    String out = new String(p.getInputStream().readAllBytes(), StandardCharsets.UTF_8);
    assertTrue(p.waitFor(60, TimeUnit.SECONDS), name + " did not finish");
    String errText = Files.readString(err.toPath());
    err.delete();
    assertEquals(0, p.exitValue(), name + " ended with status " + p.exitValue() + "\n" + out + errText);
    assertTrue(out.endsWith("> end\n"), out);
    return new String[] {out, errText};
  }

  static final String COMPARE_FIXTURE = """
      Compare query to source...
      Query.size=70
      done.
      Removing redundant entries...2 removed.
      Query.size=64
      done.
      Removing redundant entries...0 removed.
      Query.size=20
      done.
      Removing redundant entries...0 removed.
      """;

  static final String STATS_FIXTURE = """
      ComputeStats...TotalQuerySize=154
      TotalSourceSize=180
      WindowWidth=19
      WindowHeight=16
      done.
      """;

  @Test
  void sampledRoadAndEveryGetter() throws Exception {
    String[] r = scenario("road");
    assertEquals("> GetScale=200 mSampleIncrement=10 GetNumQueries=0\n"
        + "> GetNumQueries=3\n"
        + COMPARE_FIXTURE + STATS_FIXTURE
        + "> mMaxQueryIdx=30 mTotalQuerySize=154 mTotalSourceSize=180 mMaxSourceIdx=30 mWindowHeight=16 mWindowWidth=19\n"
        + "InitPixels Start\nInitPixels END\n*** mIntensityMap.size=4 mRevIntensityMap.size=4\n"
        + "TotalRows2 = 15\nTotalCols2 =18\n"
        + "> fwd (3,3)=1 (4,4)=1 (5,5)=1 (6,6)=1\n"
        + "> rev (10,3)=1 (9,4)=1 (8,5)=1 (7,6)=1\n"
        + "> q ignored: 1 1\n"
        + "InitPixels Start\n"
        + "SourcePixels = 7\tQueryPixels=7\nSourcePixels = 7\tQueryPixels=1\nSourcePixels = 7\tQueryPixels=1\n"
        + "> table 0: 7 x 7 (3,3)=1 (4,4)=1 (5,5)=1 (6,6)=1\n"
        + "> table 1: 7 x 1\n"
        + "> table 2: 7 x 1\n"
        + "> GetCols=7 GetTotalRows=21\n"
        + "ERROR GetIntensity q=3 > mPixels.size\n> =0\n"
        + "ERROR GetIntensity q=-1 > mPixels.size\n> =0\n"
        + "ERROR GetIntensity x=7 mCols=7\nERROR GetIntensity y=0 mRows=7\n> =0\n"
        + "ERROR GetIntensity x=2 mCols=7\nERROR GetIntensity y=-1 mRows=7\n> =0\n"
        + "ERROR q=5 > mPixels.size\n> =0\n"
        + "> still usable: 1\n"
        + "> end\n", r[0]);
    assertEquals("", r[1]);
  }

  @Test
  void repeatedCompareKeepsTheEarlierHitsOfQueryZero() throws Exception {
    String[] r = scenario("repeat");
    assertEquals(COMPARE_FIXTURE + COMPARE_FIXTURE + STATS_FIXTURE
        + "InitPixels Start\nInitPixels END\n*** mIntensityMap.size=4 mRevIntensityMap.size=4\n"
        + "TotalRows2 = 15\nTotalCols2 =18\n"
        + "> fwd (3,3)=2 (4,4)=2 (5,5)=2 (6,6)=2\n"
        + "> rev (10,3)=1 (9,4)=1 (8,5)=1 (7,6)=1\n"
        + "> end\n", r[0]);
  }

  @Test
  void rereadQueries() throws Exception {
    String[] r = scenario("reread");
    // Statistics and tables while the lists still describe three queries, then
    // a comparison that trims them to one and keeps list 0 in front. The old
    // hit at query position 30 lies below the new window of 5 rows.
    assertEquals(COMPARE_FIXTURE
        + "> GetNumQueries=1\n"
        + "ComputeStats...TotalQuerySize=50\nTotalSourceSize=180\nWindowWidth=19\nWindowHeight=6\ndone.\n"
        + "InitPixels Start\nSourcePixels = 7\tQueryPixels=7\n"
        + "> table 0: 7 x 7 (3,3)=1 (4,4)=1 (5,5)=1 (6,6)=1\n"
        + "ERROR q=1 > mPixels.size\n> =0\n"
        + "Compare query to source...\nQuery.size=50\ndone.\nRemoving redundant entries...0 removed.\n"
        + "ComputeStats...TotalQuerySize=50\nTotalSourceSize=180\nWindowWidth=19\nWindowHeight=6\ndone.\n"
        + "InitPixels Start\nInitPixels END\n*** mIntensityMap.size=6 mRevIntensityMap.size=0\n"
        + "TotalRows2 = 5\nTotalCols2 =18\n"
        + "> fwd (3,3)=1 (8,3)=1 (4,4)=1 (9,4)=1 (5,5)=1\n"
        + "> rev\n"
        + FIXTURES + "/engine-missing.fa file open failed (Read Multiple FASTA)\n"
        + "> GetNumQueries=1\n"
        + "> end\n", r[0]);
    assertEquals("HEY FwdHitsVec.size=3 Queries.size=1\n", r[1]);
  }

  @Test
  void refusedParametersWriteOneLineEach() throws Exception {
    String[] r = scenario("refused");
    String tail = " is below 1 base per pixel; nothing done\n";
    assertEquals("SetMerSize: k-mer length 33 is outside 1 to 32; keeping 32\n"
        + "SetMerSize: k-mer length 0 is outside 1 to 32; keeping 32\n"
        + "SetMerSize: k-mer length -1 is outside 1 to 32; keeping 16\n"
        + "Compare: sample increment 0 is below 1; nothing compared\n"
        + COMPARE_FIXTURE
        + "ComputeStats: scale 0" + tail + "InitPixels: scale 0" + tail + "InitPixels2: scale 0" + tail
        + "GetTotalRows2: scale 0" + tail + "GetCols2: scale 0" + tail
        + "> =0 0\n"
        + "ComputeStats: scale -7" + tail
        + STATS_FIXTURE
        + "> end\n", r[0]);
  }

  @Test
  void thinnedRoadMatchesBruteForce() throws Exception {
    String[] r = scenario("thinned");
    BruteForce.Result want = BruteForce.compute(BruteForce.read(Paths.get(FIXTURES, "engine-src.fa")),
        BruteForce.read(Paths.get(FIXTURES, "engine-qry.fa")), 32, 1, 10, true);
    assertTrue(want.forwardHits > 2);
    StringBuilder fwd = new StringBuilder("> fwd"), rev = new StringBuilder("> rev");
    List<Long> keys = new ArrayList<>(want.pixels.keySet());
    keys.sort(null);
    int fwdPixels = 0, revPixels = 0;
    for (long k : keys) {
      int[] c = want.pixels.get(k);
      String at = " (" + (k & 0xffffffffL) + "," + (k >>> 32) + ")=";
      if (c[0] > 0) { fwd.append(at).append(c[0]); ++fwdPixels; }
      if (c[1] > 0) { rev.append(at).append(c[1]); ++revPixels; }
    }
    String compare = "Compare query to source...\n"
        + "Query.size=70\ndone.\nRemoving redundant entries..." + want.removed.get(0) + " removed.\n"
        + "Query.size=64\ndone.\nRemoving redundant entries..." + want.removed.get(1) + " removed.\n"
        + "Query.size=20\ndone.\nRemoving redundant entries..." + want.removed.get(2) + " removed.\n";
    String out = r[0];
    assertTrue(out.startsWith(compare + STATS_FIXTURE + "InitPixels Start\nInitPixels END\n*** mIntensityMap.size="
        + fwdPixels + " mRevIntensityMap.size=" + revPixels + "\nTotalRows2 = 15\nTotalCols2 =18\n"
        + fwd + "\n" + rev + "\n"), out);
    assertFalse(out.contains("bugSourceIdx"));
  }

  @Test
  void nativeStringOverloads() throws Exception {
    String[] r = scenario("strings");
    String npe = "> NullPointerException: Attempt to dereference null string\n";
    assertTrue(r[0].startsWith(npe + npe + npe + "> GetNumQueries=0\n> GetNumQueries=3\n"), r[0]);
    // Both loads went through: the four records of two loads of two records.
    assertTrue(r[0].contains("\nTotalSourceSize=360\n"), r[0]);
  }

  /** Every table cell and whole-plot pixel of a 33-query comparison, against the brute force. */
  @Test
  void perQueryTablesAndWholePlotMatchBruteForce() throws IOException {
    Path src = Paths.get(System.getProperty("tovrin.data", ""), "B_anthracis_Mslice.fa");
    Path qry = Paths.get(System.getProperty("tovrin.data", ""), "B_anthracis_contigs.fa");
    assumeTrue(Files.isRegularFile(src) && Files.isRegularFile(qry), "genomes not fetched");
    final int scale = 400, k = 28, step = 3;
    BruteForce.Result want = BruteForce.compute(BruteForce.read(src), BruteForce.read(qry), k, step, scale, false);
    assertTrue(want.forwardHits > 1000 && want.reverseHits > 1000);

    long e = MarluJNI.new_Tovrin();
    try {
      MarluJNI.Tovrin_SetMerSize(e, k);
      MarluJNI.set_Tovrin_mSampleIncrement(e, step);
      MarluJNI.Tovrin_SetScale(e, scale);
      MarluJNI.Tovrin_ReadSource__SWIG_1(e, src.toString());
      MarluJNI.Tovrin_ReadQueries__SWIG_1(e, qry.toString());
      MarluJNI.Tovrin_Compare(e);
      MarluJNI.Tovrin_ComputeStats(e);
      MarluJNI.Tovrin_InitPixels(e);
      MarluJNI.Tovrin_InitPixels2(e);
      int n = MarluJNI.Tovrin_GetNumQueries(e);
      assertEquals(want.perQuery.size(), n);
      for (int q = 0; q < n; ++q) {
        Map<Long, Integer> cells = want.perQuery.get(q);
        int rows = MarluJNI.Tovrin_GetRows(e, q), cols = MarluJNI.Tovrin_GetCols__SWIG_1(e, q);
        int found = 0;
        for (int y = 0; y < rows; ++y)
          for (int x = 0; x < cols; ++x) {
            int v = MarluJNI.Tovrin_GetIntensity(e, q, x, y);
            assertEquals(cells.getOrDefault(((long) y << 32) | x, 0), v, "query " + q + " cell " + x + "," + y);
            if (v != 0) ++found;
          }
        assertEquals(cells.size(), found, "query " + q + ": every hit inside its table");
      }
      int rows = MarluJNI.Tovrin_GetTotalRows2(e), cols = MarluJNI.Tovrin_GetCols2(e);
      int found = 0;
      for (int y = 0; y <= rows; ++y)
        for (int x = 0; x <= cols; ++x) {
          int f = MarluJNI.Tovrin_GetIntensity2(e, 0, x, y), rv = MarluJNI.Tovrin_GetRevIntensity2(e, 0, x, y);
          int[] c = want.pixels.getOrDefault(((long) y << 32) | x, new int[2]);
          assertEquals(c[0], f, "forward " + x + "," + y);
          assertEquals(c[1], rv, "reverse " + x + "," + y);
          if (f != 0 || rv != 0) ++found;
        }
      assertEquals(want.pixels.size(), found);
    } finally {
      MarluJNI.delete_Tovrin(e);
      MarluJNI.Tovrin_SetMerSize(0, 32);
    }
  }
}
