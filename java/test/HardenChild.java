import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;

/**
 * Main class run in a child JVM (ChildJvm) by the memory tests: one scenario
 * per run, named by the first argument. Each one works up to a single engine
 * operation, lowers this process's address-space limit to its current size plus
 * a headroom, runs the operation, and reports on lines starting "@@ ":
 * "result=oom" (java.lang.OutOfMemoryError reached Java) or "result=ok", then
 * "usable=yes" once the same engine has worked again and "baseline=same" once a
 * new engine gives the tiny plot exactly as before.
 */
public final class HardenChild {
  private HardenChild() {}

  public static void main(String[] args) throws Exception {
    Path dir = Files.createTempDirectory("tovrin-child");
    try {
      TinyPlot tiny = new TinyPlot(dir);
      String baseline = tiny.runFresh().toString();
      long e = MarluJNI.new_Tovrin();
      switch (args[0]) {
        case "dense-table": denseTable(dir, e); break;
        case "hit-explosion": hitExplosion(dir, e); break;
        case "index-load": indexLoad(dir, e); break;
        case "huge-fields": hugeFields(tiny, e, Integer.parseInt(args[1])); break;
        default: throw new IllegalArgumentException(args[0]);
      }
      MarluJNI.delete_Tovrin(e);
      String again = tiny.runFresh().toString();
      report(baseline.equals(again) ? "baseline=same" : "baseline=changed " + baseline + " / " + again);
    } finally {
      try (var files = Files.list(dir)) {
        for (Path p : (Iterable<Path>) files::iterator) Files.delete(p);
      }
      Files.delete(dir);
    }
  }

  static void report(String line) {
    System.out.println("@@ " + line);
    System.out.flush();
  }

  /** Runs op with the address space limited to the current size plus headroom MB. */
  static void limited(long headroomMb, Runnable op) throws Exception {
    long limit = vmSizeKb() * 1024 + headroomMb * 1024 * 1024;
    Process p = new ProcessBuilder("prlimit", "--pid", Long.toString(ProcessHandle.current().pid()),
        "--as=" + limit + ":").inheritIO().start();
    if (p.waitFor() != 0) throw new IllegalStateException("prlimit failed");
    try {
      op.run();
      report("result=ok");
    } catch (OutOfMemoryError oom) {
      report("result=oom " + oom.getMessage());
    }
  }

  static long vmSizeKb() throws IOException {
    for (String l : Files.readAllLines(Path.of("/proc/self/status"), StandardCharsets.US_ASCII)) {
      if (l.startsWith("VmSize:")) return Long.parseLong(l.replaceAll("[^0-9]", ""));
    }
    throw new IllegalStateException("no VmSize");
  }

  /** A 20 kb self-comparison at one base per pixel: the dense table would need 1.6 GB. */
  static void denseTable(Path dir, long e) throws Exception {
    Path f = dir.resolve("self.fa");
    TinyPlot.writeFasta(f, "self", TinyPlot.randomBases(7, 20000));
    MarluJNI.Tovrin_ReadSource__SWIG_1(e, f.toString());
    MarluJNI.Tovrin_ReadQueries__SWIG_1(e, f.toString());
    MarluJNI.Tovrin_SetScale(e, 1);
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ComputeStats(e);
    limited(256, () -> MarluJNI.Tovrin_InitPixels2(e));
    // The same engine at a usable scale.
    MarluJNI.Tovrin_SetScale(e, 200);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels2(e);
    long sum = 0;
    int rows = MarluJNI.Tovrin_GetRows(e, 0), cols = MarluJNI.Tovrin_GetCols__SWIG_1(e, 0);
    for (int y = 0; y < rows; y++) {
      for (int x = 0; x < cols; x++) sum += MarluJNI.Tovrin_GetIntensity(e, 0, x, y);
    }
    if (rows > 0 && cols > 0 && sum > 0) report("usable=yes");
  }

  /** Poly-A against poly-A: every query k-mer has two million source locations. */
  static void hitExplosion(Path dir, long e) throws Exception {
    Path src = dir.resolve("polya-source.fa");
    TinyPlot.writeFasta(src, "polyA", "A".repeat(2_000_000));
    Path qry = dir.resolve("polya-query.fa");
    TinyPlot.writeFasta(qry, "polyA-query", "A".repeat(3000));
    MarluJNI.Tovrin_ReadSource__SWIG_1(e, src.toString());
    MarluJNI.Tovrin_ReadQueries__SWIG_1(e, qry.toString());
    limited(256, () -> MarluJNI.Tovrin_Compare(e));
    if (MarluJNI.Tovrin_GetNumQueries(e) == 1 && MarluJNI.Tovrin_GetScale(e) == 200) report("usable=yes");
  }

  /** Indexing six million bases with 48 MB to spare. */
  static void indexLoad(Path dir, long e) throws Exception {
    Path src = dir.resolve("big-source.fa");
    TinyPlot.writeFasta(src, "big", TinyPlot.randomBases(11, 6_000_000));
    limited(48, () -> MarluJNI.Tovrin_ReadSource__SWIG_1(e, src.toString()));
    Files.delete(src);
    // The same engine plots the tiny pair (its index may keep what it had read).
    TinyPlot.Summary s = new TinyPlot(dir).run(e);
    if (s.queries == 3 && s.fwd2 > 0) report("usable=yes");
  }

  /** Statistics fields overwritten with Integer.MAX_VALUE before the pixel stores are built at scale. */
  static void hugeFields(TinyPlot tiny, long e, int scale) throws Exception {
    tiny.run(e);
    MarluJNI.Tovrin_SetScale(e, scale);
    MarluJNI.Tovrin_ComputeStats(e);
    int v = Integer.MAX_VALUE;
    MarluJNI.set_Tovrin_mMaxSourceIdx(e, v);
    MarluJNI.set_Tovrin_mMaxQueryIdx(e, v);
    MarluJNI.set_Tovrin_mTotalSourceSize(e, v);
    MarluJNI.set_Tovrin_mTotalQuerySize(e, v);
    MarluJNI.set_Tovrin_mWindowWidth(e, v);
    MarluJNI.set_Tovrin_mWindowHeight(e, v);
    limited(256, () -> {
      MarluJNI.Tovrin_InitPixels2(e);
      MarluJNI.Tovrin_InitPixels(e);
      MarluJNI.Tovrin_GetTotalRows2(e);
      MarluJNI.Tovrin_GetCols2(e);
      MarluJNI.Tovrin_GetTotalRows(e);
    });
    MarluJNI.Tovrin_SetScale(e, TinyPlot.SCALE);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels2(e);
    if (MarluJNI.Tovrin_GetRows(e, 0) > 0) report("usable=yes");
  }
}
