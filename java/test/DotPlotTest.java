import static org.junit.jupiter.api.Assertions.*;
import static org.junit.jupiter.api.Assumptions.assumeTrue;

import java.awt.image.BufferedImage;
import java.io.ByteArrayOutputStream;
import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.TimeUnit;
import javax.imageio.ImageIO;
import org.junit.jupiter.api.Test;
import org.junit.jupiter.api.io.TempDir;

/** The dot-plot command end to end: real genomes, the TSV against a brute-force computation, the PNG, errors. */
class DotPlotTest {
  @TempDir Path tmp;

  static Path data(String name) {
    Path p = Paths.get(System.getProperty("tovrin.data", ""), name);
    assumeTrue(Files.isRegularFile(p), "genome not fetched: " + p);
    return p;
  }

  static Path fixture(String name) {
    return Paths.get(System.getProperty("tovrin.fixtures"), name);
  }

  /** Runs the command in this JVM; returns {status, stdout, stderr} (the library's own lines bypass stdout). */
  static Object[] run(String... args) {
    ByteArrayOutputStream out = new ByteArrayOutputStream(), err = new ByteArrayOutputStream();
    int status = DotPlot.run(List.of(args), new PrintStream(out, true, StandardCharsets.UTF_8),
        new PrintStream(err, true, StandardCharsets.UTF_8));
    return new Object[] {status, out.toString(StandardCharsets.UTF_8), err.toString(StandardCharsets.UTF_8)};
  }

  record TsvCase(String source, String query, int k, int step, int scale, boolean thinned, boolean perQuery) {}

  static final List<TsvCase> TSV_CASES = List.of(
      new TsvCase("human-mito.fa", "orang-mito.fa", 32, 10, 50, false, false),
      new TsvCase("human-mito.fa", "orang-mito.fa", 16, 1, 37, false, true),
      new TsvCase("H_pylori26695_Eslice.fa", "H_pyloriJ99_Eslice.fa", 32, 10, 300, false, false),
      new TsvCase("H_pyloriJ99_Eslice.fa", "H_pylori26695_Eslice.fa", 24, 7, 97, false, false),
      new TsvCase("H_pylori26695_Eslice.fa", "H_pyloriJ99_Eslice.fa", 32, 10, 250, true, false));

  @Test
  void tsvEqualsBruteForce() throws IOException {
    for (TsvCase c : TSV_CASES) {
      Path src = data(c.source()), qry = data(c.query());
      Path tsv = tmp.resolve("plot.tsv"), png = tmp.resolve("plot.png");
      List<String> args = new ArrayList<>(List.of("--k", "" + c.k(), "--step", "" + c.step(),
          "--scale", "" + c.scale(), "--tsv", tsv.toString()));
      if (c.thinned()) args.add("--thinned");
      if (c.perQuery()) args.add("--per-query");  // the TSV is the whole plot all the same
      args.addAll(List.of(src.toString(), qry.toString(), png.toString()));
      Object[] r = run(args.toArray(new String[0]));
      assertEquals(0, r[0], c + ": " + r[2]);

      BruteForce.Result want = BruteForce.compute(BruteForce.read(src), BruteForce.read(qry),
          c.k(), c.step(), c.scale(), c.thinned());
      List<String> expected = BruteForce.tsvLines(want);
      List<String> got = Files.readAllLines(tsv);
      assertTrue(want.forwardHits > 20, c + " should have forward hits, has " + want.forwardHits);
      assertEquals(expected.size(), got.size(), c.toString());
      assertEquals(expected, got, c.toString());
    }
  }

  /** Expected image size from the lengths alone: the grid plus the fixed margins. */
  static int[] expectedSize(long sourceBases, long queryBases, int scale, int[] grid) {
    grid[0] = (int) (sourceBases / scale + 1);
    grid[1] = (int) (queryBases / scale + 1);
    int z = Math.max(1, PlotRenderer.MIN_SIDE / Math.max(grid[0], grid[1]));
    return new int[] {grid[0] * z + PlotRenderer.LEFT + PlotRenderer.RIGHT,
                      grid[1] * z + PlotRenderer.TOP + PlotRenderer.BOTTOM};
  }

  static long total(List<BruteForce.Rec> recs, int n) {
    long t = 0;
    for (int i = 0; i < Math.min(n, recs.size()); ++i) t += recs.get(i).bases().length;
    return t;
  }

  /** Counts plot-area pixels by colour: {non-white, blue-dominant, orange-dominant}. */
  static int[] inks(BufferedImage img, int w, int h) {
    int[] n = new int[3];
    for (int y = PlotRenderer.TOP; y < PlotRenderer.TOP + h; ++y)
      for (int x = PlotRenderer.LEFT; x < PlotRenderer.LEFT + w; ++x) {
        int rgb = img.getRGB(x, y) & 0xffffff;
        int red = rgb >> 16, blue = rgb & 0xff;
        if (rgb == 0xffffff) continue;
        ++n[0];
        if (blue > red + 40) ++n[1];
        if (red > blue + 40) ++n[2];
      }
    return n;
  }

  @Test
  void pngHasTheDefaultSizeAndShowsTheHits() throws IOException {
    Path src = data("H_pylori26695_Eslice.fa"), qry = data("H_pyloriJ99_Eslice.fa");
    Path png = tmp.resolve("sub/dir/pylori.png");  // folders are made as needed
    Object[] r = run(src.toString(), qry.toString(), png.toString());
    assertEquals(0, r[0], (String) r[2]);
    assertEquals("", r[2]);
    assertTrue(((String) r[1]).contains("written to " + png), (String) r[1]);

    long s = total(BruteForce.read(src), 2), q = total(BruteForce.read(qry), Integer.MAX_VALUE);
    int scale = (int) ((Math.max(s, q) + 1199) / 1200);
    int[] grid = new int[2];
    int[] size = expectedSize(s, q, scale, grid);
    assertTrue(Math.max(grid[0], grid[1]) >= 1000 && Math.max(grid[0], grid[1]) <= 1500);

    BufferedImage img = ImageIO.read(png.toFile());
    assertNotNull(img, "not a readable PNG");
    assertArrayEquals(size, new int[] {img.getWidth(), img.getHeight()});
    byte[] head = Files.readAllBytes(png);
    assertArrayEquals(new byte[] {(byte) 0x89, 'P', 'N', 'G'}, java.util.Arrays.copyOf(head, 4));
    int[] ink = inks(img, grid[0], grid[1]);
    assertTrue(ink[1] > 500, "forward hits drawn: " + ink[1]);
    assertTrue(ink[0] < grid[0] * grid[1] / 4, "mostly empty plot expected: " + ink[0]);
  }

  @Test
  void perQueryViewStacksTheQueries() throws IOException {
    Path src = data("B_anthracis_Mslice.fa"), qry = data("B_anthracis_contigs.fa");
    Path png = tmp.resolve("stacked.png");
    Object[] r = run("--per-query", "--scale", "500", src.toString(), qry.toString(), png.toString());
    assertEquals(0, r[0], (String) r[2]);
    List<BruteForce.Rec> queries = BruteForce.read(qry);
    assertTrue(queries.size() > 1);
    long rows = 0;
    for (BruteForce.Rec rec : queries) rows += rec.bases().length / 500 + 1;
    int cols = (int) (total(BruteForce.read(src), 2) / 500 + 1);
    BufferedImage img = ImageIO.read(png.toFile());
    int z = Math.max(1, PlotRenderer.MIN_SIDE / (int) Math.max(cols, rows));
    assertEquals(cols * z + PlotRenderer.LEFT + PlotRenderer.RIGHT, img.getWidth());
    assertEquals(rows * z + PlotRenderer.TOP + PlotRenderer.BOTTOM, img.getHeight());
    int[] ink = inks(img, cols * z, (int) rows * z);
    assertTrue(ink[1] > 100, "forward hits drawn: " + ink[1]);
    assertEquals(0, ink[2], "the per-query view has no reverse hits");
  }

  @Test
  void badCommandLinesExitWithTwo() {
    String fa = fixture("engine-src.fa").toString();
    String[][] lines = {
        {"--bogus", fa, fa, "x.png"},
        {"--k", "33", fa, fa, "x.png"},
        {"--k", "0", fa, fa, "x.png"},
        {"--step", "ten", fa, fa, "x.png"},
        {"--scale", "-5", fa, fa, "x.png"},
        {"--scale"},
        {"--thinned=yes", fa, fa, "x.png"},
        {fa, fa},
        {fa, fa, "a.png", "b.png"},
        {"-x", fa, fa, "x.png"},
    };
    String[] messages = {
        "dotplot: unknown option '--bogus' (see dotplot --help)\n",
        "dotplot: option --k needs a whole number from 1 to 32, got '33' (see dotplot --help)\n",
        "dotplot: option --k needs a whole number from 1 to 32, got '0' (see dotplot --help)\n",
        "dotplot: option --step needs a whole number of at least 1, got 'ten' (see dotplot --help)\n",
        "dotplot: option --scale needs a whole number of at least 1, got '-5' (see dotplot --help)\n",
        "dotplot: option --scale needs a value (see dotplot --help)\n",
        "dotplot: option --thinned takes no value (see dotplot --help)\n",
        "dotplot: expected source.fa query.fa out.png (see dotplot --help)\n",
        "dotplot: too many arguments: 'b.png' (see dotplot --help)\n",
        "dotplot: unknown option '-x' (see dotplot --help)\n",
    };
    for (int i = 0; i < lines.length; ++i) {
      Object[] r = run(lines[i]);
      assertEquals(2, r[0], String.join(" ", lines[i]));
      assertEquals(messages[i], r[2]);
      assertEquals("", r[1]);
    }
  }

  @Test
  void unusableFilesExitWithOne() throws IOException {
    String fa = fixture("engine-src.fa").toString();
    Path notFasta = tmp.resolve("notes.txt");
    Files.writeString(notFasta, "just some text\nACGT\n");
    Path blocker = tmp.resolve("file");
    Files.writeString(blocker, "x");
    String missing = tmp.resolve("missing.fa").toString();
    String[][] lines = {
        {missing, fa, tmp.resolve("a.png").toString()},
        {fa, missing, tmp.resolve("a.png").toString()},
        {tmp.toString(), fa, tmp.resolve("a.png").toString()},
        {notFasta.toString(), fa, tmp.resolve("a.png").toString()},
        {fa, fa, blocker.resolve("a.png").toString()},
        {fa, fa, tmp.toString()},
    };
    String[] messages = {
        "dotplot: cannot read source file '" + missing + "': no such file\n",
        "dotplot: cannot read query file '" + missing + "': no such file\n",
        "dotplot: cannot read source file '" + tmp + "': it is a directory\n",
        "dotplot: source file '" + notFasta + "' holds no FASTA record (no line starting with '>')\n",
        null,  // the folder cannot be made: the message names the path
        "dotplot: cannot write '" + tmp + "': it is a directory\n",
    };
    for (int i = 0; i < lines.length; ++i) {
      Object[] r = run(lines[i]);
      assertEquals(1, r[0], String.join(" ", lines[i]));
      String err = (String) r[2];
      if (messages[i] != null) assertEquals(messages[i], err);
      else assertTrue(err.startsWith("dotplot: cannot create the folder of '" + lines[i][2] + "'"), err);
      assertEquals(1, err.split("\n").length, err);
    }
    assertFalse(Files.exists(tmp.resolve("a.png")));
  }

  @Test
  void aPlotTooLargeForItsScaleIsRefusedBeforeLoading() throws IOException {
    Path big = tmp.resolve("big.fa");
    Files.writeString(big, ">big\n" + "ACGT".repeat(2500) + "\n");
    Object[] r = run("--scale", "1", big.toString(), big.toString(), tmp.resolve("big.png").toString());
    assertEquals(1, r[0]);
    assertEquals("dotplot: the plot would be 10001 x 10001 pixels; choose a larger --scale\n", r[2]);
    assertEquals("", r[1]);
  }

  @Test
  void helpPrintsUsage() {
    Object[] r = run("--help");
    assertEquals(0, r[0]);
    assertEquals(PlotOptions.USAGE, r[1]);
  }

  /** The launcher: runs the built program on the built library, exit status passed through. */
  @Test
  void launcherRunsTheBuiltProgram() throws Exception {
    Path root = Paths.get(System.getProperty("tovrin.root"));
    Path build = Paths.get(System.getProperty("tovrin.classes")).getParent().getParent();
    String fa = fixture("engine-src.fa").toString(), qry = fixture("engine-qry.fa").toString();
    Path png = tmp.resolve("launched.png");

    Object[] ok = launch(root, build, "--scale", "10", fa, qry, png.toString());
    assertEquals(0, ok[0], (String) ok[2]);
    // The library's progress lines reach the terminal, in order with the program's own.
    String out = (String) ok[1];
    assertTrue(out.contains("Compare query to source...\nQuery.size=70\ndone.\n"), out);
    assertTrue(out.indexOf("dotplot: source") < out.indexOf("Compare query to source..."), out);
    assertTrue(out.endsWith("dotplot: plot of 19 x 16 pixels written to " + png + "\n"), out);
    BufferedImage img = ImageIO.read(png.toFile());
    assertEquals(19 * 31 + PlotRenderer.LEFT + PlotRenderer.RIGHT, img.getWidth());

    Object[] bad = launch(root, build, "--k", "x", fa, qry, png.toString());
    assertEquals(2, bad[0]);
    assertEquals("dotplot: option --k needs a whole number from 1 to 32, got 'x' (see dotplot --help)\n", bad[2]);
    Object[] missing = launch(root, build, fa, "/no/such/query.fa", png.toString());
    assertEquals(1, missing[0]);
    assertEquals("dotplot: cannot read query file '/no/such/query.fa': no such file\n", missing[2]);
  }

  static Object[] launch(Path root, Path build, String... args) throws Exception {
    List<String> cmd = new ArrayList<>(List.of(root.resolve("bin/dotplot").toString()));
    cmd.addAll(List.of(args));
    ProcessBuilder pb = new ProcessBuilder(cmd);
    pb.environment().put("TOVRIN_BUILD", build.toString());
    File errFile = Files.createTempFile("dotplot", ".err").toFile();
    pb.redirectError(errFile);
    Process p = pb.start();
    String out = new String(p.getInputStream().readAllBytes(), StandardCharsets.UTF_8);
    assertTrue(p.waitFor(120, TimeUnit.SECONDS));
    String err = Files.readString(errFile.toPath());
    errFile.delete();
    return new Object[] {p.exitValue(), out, err};
  }
}
