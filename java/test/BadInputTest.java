import static org.junit.jupiter.api.Assertions.*;

import java.io.IOException;
import java.io.OutputStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.time.Duration;
import java.util.ArrayList;
import java.util.List;
import java.util.Random;
import java.util.stream.Stream;
import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.DynamicTest;
import org.junit.jupiter.api.Tag;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.TestFactory;
import org.junit.jupiter.api.function.Executable;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.ValueSource;

/**
 * Bad input from Java, in the JVM that runs the suite: every case asserts its
 * result, then the same engine plots the tiny pair again and a new engine gives
 * exactly the baseline plot. The JVM must never crash, hang or exit.
 */
class BadInputTest {
  static final String NULL_HANDLE = "Attempt to use a null Tovrin handle";
  static final String NULL_NATIVE_STRING = "Attempt to dereference null string";
  static final String NULL_STRING = "null string";
  static final int MIN = Integer.MIN_VALUE, MAX = Integer.MAX_VALUE;
  static final int[] ODD_INTS = {MIN, MIN + 1, -1, MAX - 1, MAX};

  static Path dir;
  static TinyPlot tiny;
  static TinyPlot.Summary base;
  static String baseline;
  static final List<BadFile> files = new ArrayList<>();

  /** A file the engine is pointed at, with the number of header lines the query reader sees. */
  static final class BadFile {
    final String name;
    final Path path;
    final int headers;
    final int sourceBases;  // total bases of the first two records; -1: not asserted

    BadFile(String name, Path path, int headers, int sourceBases) {
      this.name = name;
      this.path = path;
      this.headers = headers;
      this.sourceBases = sourceBases;
    }
  }

  interface EngineCase {
    void run(long e) throws Throwable;
  }

  @BeforeAll
  static void setUp() throws IOException {
    dir = Files.createTempDirectory("tovrin-bad-input");
    tiny = new TinyPlot(dir);
    base = tiny.runFresh();
    baseline = base.toString();
    assertEquals(3, base.queries, baseline);
    assertTrue(base.fwd2 > 0 && base.rev2 > 0 && base.table > 0, "the tiny plot has both kinds of hit: " + baseline);
    makeBadFiles();
  }

  @AfterAll
  static void tearDown() throws IOException {
    try (Stream<Path> s = Files.list(dir)) {
      for (Path p : (Iterable<Path>) s::iterator) Files.delete(p);
    }
    Files.delete(dir);
  }

  static void makeBadFiles() throws IOException {
    String s1 = TinyPlot.randomBases(1, 1500), s2 = TinyPlot.randomBases(2, 900);
    add("empty file", new byte[0], 0, 0);
    add("only headers", ">a\n>b c\n>\n".getBytes(StandardCharsets.US_ASCII), 3, 0);
    add("no header", (s1.substring(0, 60) + "\n" + s1.substring(60, 120) + "\n").getBytes(StandardCharsets.US_ASCII), 0, 0);

    byte[] garbage = new byte[64 * 1024];
    new Random(42).nextBytes(garbage);
    add("binary garbage", garbage, headerLines(garbage), -1);

    // NUL bytes inside a header and inside sequence lines.
    String nul = ">n1 has\0nul\n" + s1.substring(0, 60) + "\n" + s1.substring(60, 90) + "\0" + s1.substring(90, 120)
        + "\n>n2\n\0\n" + s2.substring(0, 60) + "\n>n3\n" + s2.substring(60, 120) + "\n";
    add("NUL bytes in lines", nul.getBytes(StandardCharsets.ISO_8859_1), 3, -1);

    byte[] lf = Files.readAllBytes(tiny.source);
    add("CRLF line ends", new String(lf, StandardCharsets.US_ASCII).replace("\n", "\r\n").getBytes(StandardCharsets.US_ASCII),
        2, 1500 + 25 + 900 + 15);  // every sequence line keeps its carriage return

    Path many = dir.resolve("many.fa");
    try (OutputStream o = Files.newOutputStream(many)) {
      StringBuilder b = new StringBuilder();
      for (int i = 0; i < 100_000; i++) {
        b.append(">r").append(i).append('\n').append(s1, i % 1000, i % 1000 + 8).append('\n');
        if (b.length() > 1 << 16) {
          o.write(b.toString().getBytes(StandardCharsets.US_ASCII));
          b.setLength(0);
        }
      }
      o.write(b.toString().getBytes(StandardCharsets.US_ASCII));
    }
    files.add(new BadFile("100,000 tiny records", many, 100_000, 16));

    Path longLine = dir.resolve("long-line.fa");
    try (OutputStream o = Files.newOutputStream(longLine)) {
      o.write(">long one line\n".getBytes(StandardCharsets.US_ASCII));
      o.write(TinyPlot.randomBases(5, 10_000_000).getBytes(StandardCharsets.US_ASCII));
      o.write('\n');
    }
    files.add(new BadFile("a single 10,000,000-base line", longLine, 1, 10_000_000));

    Path longHeader = dir.resolve("long-header.fa");
    try (OutputStream o = Files.newOutputStream(longHeader)) {
      o.write(('>' + "h".repeat(1_000_000) + " description\n").getBytes(StandardCharsets.US_ASCII));
      o.write((s2 + "\n").getBytes(StandardCharsets.US_ASCII));
    }
    files.add(new BadFile("a 1,000,000-character header line", longHeader, 1, 900));

    add("1,000,000 empty lines", "\n".repeat(1_000_000).getBytes(StandardCharsets.US_ASCII), 0, 0);

    files.add(new BadFile("missing file", dir.resolve("no-such-file.fa"), 0, 0));
    files.add(new BadFile("empty path", Path.of(""), 0, 0));
    files.add(new BadFile("a directory", dir, 0, 0));
    // Root reads any file whatever its mode bits, so chmod 000 proves nothing here.
    // /proc/self/mem opens for reading but every read at offset 0 fails (EIO).
    files.add(new BadFile("unreadable file (read fails)", Path.of("/proc/self/mem"), 0, 0));
  }

  static void add(String name, byte[] content, int headers, int sourceBases) throws IOException {
    Path p = dir.resolve("bad-" + files.size() + ".fa");
    Files.write(p, content);
    files.add(new BadFile(name, p, headers, sourceBases));
  }

  /** Lines (separated by '\n') whose first byte is '>'. */
  static int headerLines(byte[] b) {
    int n = 0;
    for (int i = 0; i < b.length; i++) {
      if (b[i] == '>' && (i == 0 || b[i - 1] == '\n')) n++;
    }
    return n;
  }

  // ---- running a case ----

  static DynamicTest engineCase(String name, EngineCase c) {
    return DynamicTest.dynamicTest(name, () -> {
      long e = MarluJNI.new_Tovrin();
      try {
        assertTimeoutPreemptively(Duration.ofSeconds(120), () -> c.run(e));
        assertUsable(e);
      } finally {
        MarluJNI.delete_Tovrin(e);
      }
      assertEquals(baseline, tiny.runFresh().toString(), "a new engine after the case");
    });
  }

  /** The same engine plots the tiny pair; what the case left in it may add hits, never remove them. */
  static void assertUsable(long e) {
    TinyPlot.Summary s = tiny.run(e);
    assertEquals(3, s.queries, s.toString());
    assertTrue(s.fwd2 >= base.fwd2 && s.rev2 >= base.rev2 && s.table >= base.table, s + " / " + baseline);
  }

  /** Compare, statistics, both pixel stores and a few values, with whatever the engine holds. */
  static void cycle(long e) {
    MarluJNI.Tovrin_Compare(e);
    MarluJNI.Tovrin_ComputeStats(e);
    MarluJNI.Tovrin_InitPixels(e);
    MarluJNI.Tovrin_InitPixels2(e);
    MarluJNI.Tovrin_GetCols2(e);
    MarluJNI.Tovrin_GetTotalRows2(e);
    MarluJNI.Tovrin_GetTotalRows(e);
    MarluJNI.Tovrin_GetIntensity2(e, 0, 0, 0);
    MarluJNI.Tovrin_GetRevIntensity2(e, 0, 0, 0);
    if (MarluJNI.Tovrin_GetNumQueries(e) > 0) {
      MarluJNI.Tovrin_GetRows(e, 0);
      MarluJNI.Tovrin_GetCols__SWIG_0(e);
      MarluJNI.Tovrin_GetIntensity(e, 0, 0, 0);
    }
  }

  static long tableSum(long e, int q) {
    long sum = 0;
    int rows = MarluJNI.Tovrin_GetRows(e, q), cols = MarluJNI.Tovrin_GetCols__SWIG_1(e, q);
    for (int y = 0; y < rows; y++) {
      for (int x = 0; x < cols; x++) sum += MarluJNI.Tovrin_GetIntensity(e, q, x, y);
    }
    return sum;
  }

  // ---- the table ----

  @TestFactory
  Stream<DynamicTest> badFiles() {
    List<DynamicTest> t = new ArrayList<>();
    for (BadFile f : files) {
      t.add(engineCase("queries: " + f.name, e -> {
        MarluJNI.Tovrin_ReadQueries__SWIG_1(e, f.path.toString());
        assertEquals(f.headers, MarluJNI.Tovrin_GetNumQueries(e));
        MarluJNI.Tovrin_ReadSource__SWIG_1(e, tiny.source.toString());
        cycle(e);
        assertEquals(f.headers, MarluJNI.Tovrin_GetNumQueries(e));
      }));
      t.add(engineCase("source: " + f.name, e -> {
        MarluJNI.Tovrin_ReadSource__SWIG_1(e, f.path.toString());
        MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
        cycle(e);
        assertEquals(3, MarluJNI.Tovrin_GetNumQueries(e));
        if (f.sourceBases >= 0) assertEquals(f.sourceBases, MarluJNI.get_Tovrin_mTotalSourceSize(e));
      }));
      t.add(engineCase("thinned source: " + f.name, e -> {
        MarluJNI.Tovrin_ReadSourceThinned__SWIG_1(e, f.path.toString());
        MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
        MarluJNI.Tovrin_CompareThinned(e);
        cycle(e);
        if (f.sourceBases >= 0) assertEquals(f.sourceBases, MarluJNI.get_Tovrin_mTotalSourceSize(e));
      }));
    }
    return t.stream();
  }

  @TestFactory
  Stream<DynamicTest> handleZero() {
    List<DynamicTest> t = new ArrayList<>();
    String path = tiny.queries.toString();
    Object[][] operations = {
      {"Tovrin_ReadSource__SWIG_1", (Executable) () -> MarluJNI.Tovrin_ReadSource__SWIG_1(0L, path)},
      {"Tovrin_ReadSourceThinned__SWIG_1", (Executable) () -> MarluJNI.Tovrin_ReadSourceThinned__SWIG_1(0L, path)},
      {"Tovrin_ReadQueries__SWIG_1", (Executable) () -> MarluJNI.Tovrin_ReadQueries__SWIG_1(0L, path)},
      {"Tovrin_GetNumQueries", (Executable) () -> MarluJNI.Tovrin_GetNumQueries(0L)},
      {"Tovrin_GetScale", (Executable) () -> MarluJNI.Tovrin_GetScale(0L)},
      {"Tovrin_SetScale", (Executable) () -> MarluJNI.Tovrin_SetScale(0L, 5)},
      {"Tovrin_Compare", (Executable) () -> MarluJNI.Tovrin_Compare(0L)},
      {"Tovrin_CompareThinned", (Executable) () -> MarluJNI.Tovrin_CompareThinned(0L)},
      {"Tovrin_ComputeStats", (Executable) () -> MarluJNI.Tovrin_ComputeStats(0L)},
      {"Tovrin_InitPixels", (Executable) () -> MarluJNI.Tovrin_InitPixels(0L)},
      {"Tovrin_GetTotalRows2", (Executable) () -> MarluJNI.Tovrin_GetTotalRows2(0L)},
      {"Tovrin_GetCols2", (Executable) () -> MarluJNI.Tovrin_GetCols2(0L)},
      {"Tovrin_GetIntensity2", (Executable) () -> MarluJNI.Tovrin_GetIntensity2(0L, 0, 0, 0)},
      {"Tovrin_GetRevIntensity2", (Executable) () -> MarluJNI.Tovrin_GetRevIntensity2(0L, 0, 0, 0)},
      {"Tovrin_InitPixels2", (Executable) () -> MarluJNI.Tovrin_InitPixels2(0L)},
      {"Tovrin_GetTotalRows", (Executable) () -> MarluJNI.Tovrin_GetTotalRows(0L)},
      {"Tovrin_GetRows", (Executable) () -> MarluJNI.Tovrin_GetRows(0L, 0)},
      {"Tovrin_GetCols__SWIG_0", (Executable) () -> MarluJNI.Tovrin_GetCols__SWIG_0(0L)},
      {"Tovrin_GetCols__SWIG_1", (Executable) () -> MarluJNI.Tovrin_GetCols__SWIG_1(0L, 0)},
      {"Tovrin_GetIntensity", (Executable) () -> MarluJNI.Tovrin_GetIntensity(0L, 0, 0, 0)},
      {"get_Tovrin_mSkip", (Executable) () -> MarluJNI.get_Tovrin_mSkip(0L)},
      {"get_Tovrin_mSampleIncrement", (Executable) () -> MarluJNI.get_Tovrin_mSampleIncrement(0L)},
      {"get_Tovrin_mScale", (Executable) () -> MarluJNI.get_Tovrin_mScale(0L)},
      {"get_Tovrin_mMaxQueryIdx", (Executable) () -> MarluJNI.get_Tovrin_mMaxQueryIdx(0L)},
      {"get_Tovrin_mTotalQuerySize", (Executable) () -> MarluJNI.get_Tovrin_mTotalQuerySize(0L)},
      {"get_Tovrin_mTotalSourceSize", (Executable) () -> MarluJNI.get_Tovrin_mTotalSourceSize(0L)},
      {"get_Tovrin_mMaxSourceIdx", (Executable) () -> MarluJNI.get_Tovrin_mMaxSourceIdx(0L)},
      {"get_Tovrin_mWindowHeight", (Executable) () -> MarluJNI.get_Tovrin_mWindowHeight(0L)},
      {"get_Tovrin_mWindowWidth", (Executable) () -> MarluJNI.get_Tovrin_mWindowWidth(0L)},
    };
    for (Object[] op : operations) {
      Executable x = (Executable) op[1];
      t.add(DynamicTest.dynamicTest(op[0] + " with handle 0: NullPointerException", () -> {
        NullPointerException npe = assertThrows(NullPointerException.class, x);
        assertEquals(NULL_HANDLE, npe.getMessage());
      }));
    }
    // The native-string overloads test the string first.
    Object[][] nativeString = {
      {"Tovrin_ReadSource__SWIG_0", (Executable) () -> MarluJNI.Tovrin_ReadSource__SWIG_0(0L, 0L)},
      {"Tovrin_ReadSourceThinned__SWIG_0", (Executable) () -> MarluJNI.Tovrin_ReadSourceThinned__SWIG_0(0L, 0L)},
      {"Tovrin_ReadQueries__SWIG_0", (Executable) () -> MarluJNI.Tovrin_ReadQueries__SWIG_0(0L, 0L)},
    };
    for (Object[] op : nativeString) {
      Executable x = (Executable) op[1];
      t.add(DynamicTest.dynamicTest(op[0] + " with handle 0 and string 0: NullPointerException", () -> {
        NullPointerException npe = assertThrows(NullPointerException.class, x);
        assertEquals(NULL_NATIVE_STRING, npe.getMessage());
      }));
    }
    Object[][] quiet = {
      {"delete_Tovrin", (Executable) () -> MarluJNI.delete_Tovrin(0L)},
      {"Tovrin_SetMerSize (handle not used)", (Executable) () -> MarluJNI.Tovrin_SetMerSize(0L, 32)},
      {"set_Tovrin_mSkip", (Executable) () -> MarluJNI.set_Tovrin_mSkip(0L, 5)},
      {"set_Tovrin_mSampleIncrement", (Executable) () -> MarluJNI.set_Tovrin_mSampleIncrement(0L, 5)},
      {"set_Tovrin_mScale", (Executable) () -> MarluJNI.set_Tovrin_mScale(0L, 5)},
      {"set_Tovrin_mMaxQueryIdx", (Executable) () -> MarluJNI.set_Tovrin_mMaxQueryIdx(0L, 5)},
      {"set_Tovrin_mTotalQuerySize", (Executable) () -> MarluJNI.set_Tovrin_mTotalQuerySize(0L, 5)},
      {"set_Tovrin_mTotalSourceSize", (Executable) () -> MarluJNI.set_Tovrin_mTotalSourceSize(0L, 5)},
      {"set_Tovrin_mMaxSourceIdx", (Executable) () -> MarluJNI.set_Tovrin_mMaxSourceIdx(0L, 5)},
      {"set_Tovrin_mWindowHeight", (Executable) () -> MarluJNI.set_Tovrin_mWindowHeight(0L, 5)},
      {"set_Tovrin_mWindowWidth", (Executable) () -> MarluJNI.set_Tovrin_mWindowWidth(0L, 5)},
    };
    for (Object[] op : quiet) {
      Executable x = (Executable) op[1];
      t.add(DynamicTest.dynamicTest(op[0] + " with handle 0: nothing happens", () -> {
        assertDoesNotThrow(x);
        assertEquals(baseline, tiny.runFresh().toString());
      }));
    }
    assertEquals(44, operations.length + nativeString.length + quiet.length + 1, "every entry point (and new_Tovrin)");
    return t.stream();
  }

  @TestFactory
  Stream<DynamicTest> nullStrings() {
    return Stream.of(
        engineCase("null String to every path overload: NullPointerException, engine untouched", e -> {
          MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
          Executable[] calls = {
            () -> MarluJNI.Tovrin_ReadSource__SWIG_1(e, null),
            () -> MarluJNI.Tovrin_ReadSourceThinned__SWIG_1(e, null),
            () -> MarluJNI.Tovrin_ReadQueries__SWIG_1(e, null),
          };
          for (Executable c : calls) assertEquals(NULL_STRING, assertThrows(NullPointerException.class, c).getMessage());
          assertEquals(3, MarluJNI.Tovrin_GetNumQueries(e));
        }),
        engineCase("native string 0 to every __SWIG_0 overload: NullPointerException, engine untouched", e -> {
          MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
          Executable[] calls = {
            () -> MarluJNI.Tovrin_ReadSource__SWIG_0(e, 0L),
            () -> MarluJNI.Tovrin_ReadSourceThinned__SWIG_0(e, 0L),
            () -> MarluJNI.Tovrin_ReadQueries__SWIG_0(e, 0L),
          };
          for (Executable c : calls) {
            assertEquals(NULL_NATIVE_STRING, assertThrows(NullPointerException.class, c).getMessage());
          }
          assertEquals(3, MarluJNI.Tovrin_GetNumQueries(e));
        }),
        engineCase("odd path strings are just missing files", e -> {
          for (String p : new String[] {"a\u0000b.fa", "\u00e9\u4e2d\ud83d\ude00.fa", " ", "/", ".", "x".repeat(5000)}) {
            MarluJNI.Tovrin_ReadQueries__SWIG_1(e, p);
            MarluJNI.Tovrin_ReadSource__SWIG_1(e, p);
            MarluJNI.Tovrin_ReadSourceThinned__SWIG_1(e, p);
          }
          assertEquals(0, MarluJNI.Tovrin_GetNumQueries(e));
          cycle(e);
        }));
  }

  @TestFactory
  Stream<DynamicTest> oddInts() {
    List<DynamicTest> t = new ArrayList<>();
    t.add(engineCase("every field stores negative and huge values unchanged", e -> {
      for (int v : ODD_INTS) {
        MarluJNI.set_Tovrin_mSkip(e, v);
        MarluJNI.set_Tovrin_mSampleIncrement(e, v);
        MarluJNI.set_Tovrin_mScale(e, v);
        MarluJNI.set_Tovrin_mMaxQueryIdx(e, v);
        MarluJNI.set_Tovrin_mTotalQuerySize(e, v);
        MarluJNI.set_Tovrin_mTotalSourceSize(e, v);
        MarluJNI.set_Tovrin_mMaxSourceIdx(e, v);
        MarluJNI.set_Tovrin_mWindowHeight(e, v);
        MarluJNI.set_Tovrin_mWindowWidth(e, v);
        int[] got = {MarluJNI.get_Tovrin_mSkip(e), MarluJNI.get_Tovrin_mSampleIncrement(e),
          MarluJNI.get_Tovrin_mScale(e), MarluJNI.get_Tovrin_mMaxQueryIdx(e), MarluJNI.get_Tovrin_mTotalQuerySize(e),
          MarluJNI.get_Tovrin_mTotalSourceSize(e), MarluJNI.get_Tovrin_mMaxSourceIdx(e),
          MarluJNI.get_Tovrin_mWindowHeight(e), MarluJNI.get_Tovrin_mWindowWidth(e), MarluJNI.Tovrin_GetScale(e)};
        for (int g : got) assertEquals(v, g);
        MarluJNI.Tovrin_SetScale(e, v);
        assertEquals(v, MarluJNI.get_Tovrin_mScale(e));
      }
    }));
    t.add(engineCase("mSkip is never read: any value gives the baseline plot", e -> {
      MarluJNI.set_Tovrin_mSkip(e, MIN);
      assertEquals(baseline, tiny.run(e).toString());
    }));
    for (int scale : new int[] {0, -1, MIN}) {
      t.add(engineCase("scale " + scale + ": statistics and pixel stores refuse, nothing is sized", e -> {
        MarluJNI.Tovrin_ReadSource__SWIG_1(e, tiny.source.toString());
        MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
        MarluJNI.Tovrin_SetScale(e, scale);
        cycle(e);
        assertEquals(0, MarluJNI.get_Tovrin_mWindowWidth(e));
        assertEquals(0, MarluJNI.Tovrin_GetCols2(e));
        assertEquals(0, MarluJNI.Tovrin_GetTotalRows2(e));
        assertEquals(0, MarluJNI.Tovrin_GetRows(e, 0));
        assertEquals(0, MarluJNI.Tovrin_GetTotalRows(e));
        MarluJNI.set_Tovrin_mScale(e, scale);
        cycle(e);
        assertEquals(0, MarluJNI.Tovrin_GetIntensity(e, 0, 0, 0));
      }));
    }
    t.add(engineCase("scale Integer.MAX_VALUE: the whole plot is one pixel", e -> {
      MarluJNI.Tovrin_SetScale(e, MAX);
      MarluJNI.Tovrin_ReadSource__SWIG_1(e, tiny.source.toString());
      MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
      cycle(e);
      assertEquals(1, MarluJNI.get_Tovrin_mWindowWidth(e));
      assertEquals(0, MarluJNI.Tovrin_GetCols2(e));
      for (int q = 0; q < 3; q++) {
        assertEquals(1, MarluJNI.Tovrin_GetRows(e, q));
        assertEquals(1, MarluJNI.Tovrin_GetCols__SWIG_1(e, q));
      }
      assertTrue(MarluJNI.Tovrin_GetIntensity(e, 0, 0, 0) > 0);
      assertTrue(MarluJNI.Tovrin_GetIntensity2(e, 0, 0, 0) > 0);
      assertTrue(MarluJNI.Tovrin_GetRevIntensity2(e, 0, 0, 0) > 0);
    }));
    for (int step : new int[] {0, -1, MIN}) {
      t.add(engineCase("sample increment " + step + ": Compare refuses, no hits", e -> {
        MarluJNI.set_Tovrin_mSampleIncrement(e, step);
        MarluJNI.Tovrin_ReadSource__SWIG_1(e, tiny.source.toString());
        MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
        MarluJNI.Tovrin_SetScale(e, TinyPlot.SCALE);
        cycle(e);
        for (int q = 0; q < 3; q++) assertEquals(0, tableSum(e, q));
      }));
    }
    t.add(engineCase("sample increment Integer.MAX_VALUE: only position 0 of each query", e -> {
      MarluJNI.set_Tovrin_mSampleIncrement(e, MAX);
      MarluJNI.Tovrin_ReadSource__SWIG_1(e, tiny.source.toString());
      MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
      MarluJNI.Tovrin_SetScale(e, TinyPlot.SCALE);
      cycle(e);
      assertEquals(1, tableSum(e, 0), "q1 starts at source position 100: one forward hit");
    }));
    for (int k : new int[] {0, 33, -1, MIN, MAX}) {
      t.add(engineCase("k-mer length " + k + " is refused and 32 kept", e -> {
        MarluJNI.Tovrin_SetMerSize(e, k);
        assertEquals(baseline, tiny.run(e, false).toString());
      }));
    }
    for (int k : new int[] {1, 2, 16, 31}) {
      t.add(engineCase("k-mer length " + k + " plots", e -> {
        MarluJNI.Tovrin_SetMerSize(e, k);
        TinyPlot.Summary s = tiny.run(e, false);
        assertEquals(3, s.queries);
        assertTrue(s.fwd2 > 0 && s.table > 0, s.toString());
      }));
    }
    t.add(engineCase("negative statistics fields before the pixel stores", e -> {
      MarluJNI.Tovrin_ReadSource__SWIG_1(e, tiny.source.toString());
      MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
      MarluJNI.Tovrin_SetScale(e, TinyPlot.SCALE);
      MarluJNI.Tovrin_Compare(e);
      for (int v : new int[] {-1, MIN}) {
        MarluJNI.set_Tovrin_mMaxQueryIdx(e, v);
        MarluJNI.set_Tovrin_mTotalQuerySize(e, v);
        MarluJNI.set_Tovrin_mTotalSourceSize(e, v);
        MarluJNI.set_Tovrin_mMaxSourceIdx(e, v);
        MarluJNI.set_Tovrin_mWindowHeight(e, v);
        MarluJNI.set_Tovrin_mWindowWidth(e, v);
        MarluJNI.Tovrin_InitPixels(e);
        MarluJNI.Tovrin_InitPixels2(e);
        MarluJNI.Tovrin_GetCols2(e);
        MarluJNI.Tovrin_GetTotalRows2(e);
        assertEquals(base.table, tableSum(e, 0) + tableSum(e, 1) + tableSum(e, 2), "every hit still has its cell");
      }
    }));
    t.add(engineCase("out-of-range pixel, row and query indexes read 0", e -> {
      // Before any pixel store exists.
      for (int v : ODD_INTS) {
        assertEquals(0, MarluJNI.Tovrin_GetRows(e, v));
        assertEquals(0, MarluJNI.Tovrin_GetCols__SWIG_1(e, v));
        assertEquals(0, MarluJNI.Tovrin_GetIntensity(e, v, v, v));
        assertEquals(0, MarluJNI.Tovrin_GetIntensity2(e, v, v, v));
        assertEquals(0, MarluJNI.Tovrin_GetRevIntensity2(e, v, v, v));
      }
      assertEquals(0, MarluJNI.Tovrin_GetCols__SWIG_0(e));
      assertEquals(0, MarluJNI.Tovrin_GetTotalRows(e));
      tiny.run(e);
      int[] bad = {MIN, -1, 3, MAX};
      for (int v : bad) {
        assertEquals(0, MarluJNI.Tovrin_GetRows(e, v));
        assertEquals(0, MarluJNI.Tovrin_GetCols__SWIG_1(e, v));
        assertEquals(0, MarluJNI.Tovrin_GetIntensity(e, v, 0, 0));
      }
      int rows = MarluJNI.Tovrin_GetRows(e, 0), cols = MarluJNI.Tovrin_GetCols__SWIG_1(e, 0);
      for (int v : new int[] {MIN, -1, MAX}) {
        assertEquals(0, MarluJNI.Tovrin_GetIntensity(e, 0, v, 0));
        assertEquals(0, MarluJNI.Tovrin_GetIntensity(e, 0, 0, v));
        for (int q : ODD_INTS) {
          assertEquals(0, MarluJNI.Tovrin_GetIntensity2(e, q, v, 0));
          assertEquals(0, MarluJNI.Tovrin_GetIntensity2(e, q, 0, v));
          assertEquals(0, MarluJNI.Tovrin_GetRevIntensity2(e, q, v, 0));
          assertEquals(0, MarluJNI.Tovrin_GetRevIntensity2(e, q, 0, v));
        }
      }
      assertEquals(0, MarluJNI.Tovrin_GetIntensity(e, 0, cols, 0));
      assertEquals(0, MarluJNI.Tovrin_GetIntensity(e, 0, 0, rows));
    }));
    return t.stream();
  }

  @TestFactory
  Stream<DynamicTest> callOrder() {
    return Stream.of(
        engineCase("every operation on an empty engine", e -> {
          cycle(e);
          MarluJNI.Tovrin_CompareThinned(e);
          assertEquals(0, MarluJNI.Tovrin_GetNumQueries(e));
          assertEquals(0, MarluJNI.Tovrin_GetTotalRows(e));
        }),
        engineCase("pixel stores before Compare and before ComputeStats", e -> {
          MarluJNI.Tovrin_ReadSource__SWIG_1(e, tiny.source.toString());
          MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
          MarluJNI.Tovrin_InitPixels(e);
          MarluJNI.Tovrin_InitPixels2(e);
          MarluJNI.Tovrin_Compare(e);
          MarluJNI.Tovrin_InitPixels(e);
          MarluJNI.Tovrin_InitPixels2(e);
          assertTrue(tableSum(e, 0) > 0);
        }),
        engineCase("fewer queries re-read after Compare, then statistics and pixel stores", e -> {
          tiny.run(e);
          Path one = dir.resolve("one-query.fa");
          TinyPlot.writeFasta(one, "only", TinyPlot.randomBases(1, 1500).substring(0, 400));
          MarluJNI.Tovrin_ReadQueries__SWIG_1(e, one.toString());
          assertEquals(1, MarluJNI.Tovrin_GetNumQueries(e));
          MarluJNI.Tovrin_ComputeStats(e);
          MarluJNI.Tovrin_InitPixels(e);
          MarluJNI.Tovrin_InitPixels2(e);
          MarluJNI.Tovrin_GetTotalRows(e);
          for (int q = 0; q < 3; q++) tableSum(e, q);
          MarluJNI.Tovrin_Compare(e);
          cycle(e);
        }));
  }

  /**
   * A source line longer than the reader's 499,999-character buffer whose last
   * piece starts with '>' is sequence, not a header: the second record loaded
   * must be the file's second record.
   */
  @Test
  void longSourceLineWhoseLastPieceStartsWithGreaterThan() throws IOException {
    Path f = dir.resolve("long-line-gt.fa");
    String s2 = TinyPlot.randomBases(2, 900);
    try (OutputStream o = Files.newOutputStream(f)) {
      o.write((">first\n" + "A".repeat(499_999) + ">phantom\n>second\n" + s2 + "\n").getBytes(StandardCharsets.US_ASCII));
    }
    long e = MarluJNI.new_Tovrin();
    try {
      MarluJNI.Tovrin_ReadSource__SWIG_1(e, f.toString());
      MarluJNI.Tovrin_ReadQueries__SWIG_1(e, tiny.queries.toString());
      cycle(e);
      assertEquals(500_007 + 900, MarluJNI.get_Tovrin_mTotalSourceSize(e));
      assertTrue(tableSum(e, 2) > 0, "q3 has hits in the second record");
    } finally {
      MarluJNI.delete_Tovrin(e);
    }
  }

  /** Statistics fields set to Integer.MAX_VALUE size the pixel stores: run where memory is bounded. */
  @Tag("address-limit")
  @ParameterizedTest(name = "huge statistics fields at scale {0}")
  @ValueSource(ints = {1, 200})
  void hugeStatisticsFieldsBeforeThePixelStores(int scale) throws Exception {
    ChildJvm child = ChildJvm.run(300, HardenChild.class, "huge-fields", Integer.toString(scale));
    assertEquals(0, child.exit, child.tail());
    assertEquals(1, child.lines("@@ result=").size(), child.tail());
    assertEquals(1, child.lines("@@ usable=yes").size(), child.tail());
    assertEquals(1, child.lines("@@ baseline=same").size(), child.tail());
  }
}
