import java.io.File;
import java.io.IOException;
import java.io.PrintStream;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.Arrays;
import java.util.List;
import javax.imageio.ImageIO;

/**
 * The dot-plot command: dotplot [options] source.fa query.fa out.png
 * Drives libTovrin through MarluJNI one plot's way (new engine, parameters,
 * source, queries, compare, statistics, pixels, read back, delete) and draws
 * the result as a PNG. The library's own progress lines go to standard output
 * as it runs; this program's errors are one line on standard error.
 */
public final class DotPlot {
  /** The longer side of the plot, in pixels, when no --scale is given. */
  static final long TARGET_SIDE = 1200;

  private DotPlot() {}

  /** A failure to report as one line and exit status 1. */
  static final class Failure extends Exception {
    private static final long serialVersionUID = 1L;
    Failure(String message) { super(message); }
  }

  public static void main(String[] args) {
    System.exit(run(Arrays.asList(args), System.out, System.err));
  }

  /** Runs the command; returns the exit status (0 done, 1 failure, 2 bad command line). */
  static int run(List<String> args, PrintStream out, PrintStream err) {
    PlotOptions o;
    try {
      o = PlotOptions.parse(args);
    } catch (PlotOptions.UsageException ex) {
      err.println("dotplot: " + ex.getMessage() + " (see dotplot --help)");
      return 2;
    }
    if (o.help) {
      out.print(PlotOptions.USAGE);
      out.flush();
      return 0;
    }
    try {
      plot(o, out);
      return 0;
    } catch (Failure ex) {
      err.println("dotplot: " + ex.getMessage());
      return 1;
    } catch (RuntimeException ex) {  // a plot too large, or a failure the library raised
      err.println("dotplot: " + ex.getMessage());
      return 1;
    } catch (OutOfMemoryError ex) {
      err.println("dotplot: out of memory; choose a larger --scale or give Java more memory");
      return 1;
    }
  }

  static FastaSummary summarise(String what, String path) throws Failure {
    File f = new File(path);
    if (!f.exists()) throw new Failure("cannot read " + what + " file '" + path + "': no such file");
    if (f.isDirectory()) throw new Failure("cannot read " + what + " file '" + path + "': it is a directory");
    if (!f.canRead()) throw new Failure("cannot read " + what + " file '" + path + "': permission denied");
    FastaSummary s;
    try {
      s = FastaSummary.read(path);
    } catch (IOException ex) {
      throw new Failure("cannot read " + what + " file '" + path + "': " + ex.getMessage());
    }
    if (s.size() == 0) throw new Failure(what + " file '" + path + "' holds no FASTA record (no line starting with '>')");
    return s;
  }

  /** Bases per pixel so that the longer side of the plot is about TARGET_SIDE pixels. */
  static int autoScale(long sourceBases, long queryBases) {
    long longest = Math.max(sourceBases, queryBases);
    return (int) Math.max(1, Math.min(Integer.MAX_VALUE, (longest + TARGET_SIDE - 1) / TARGET_SIDE));
  }

  static void plot(PlotOptions o, PrintStream out) throws Failure {
    // Only the first two source records are indexed.
    FastaSummary src = summarise("source", o.source);
    FastaSummary qry = summarise("query", o.query);
    if (src.total(2) > Integer.MAX_VALUE || qry.total(Integer.MAX_VALUE) > Integer.MAX_VALUE)
      throw new Failure("sequences longer than 2147483647 bases in total are not supported");
    int scale = o.scale > 0 ? o.scale : autoScale(src.total(2), qry.total(Integer.MAX_VALUE));
    long sourceCols = src.total(2) / scale + 1, queryRows = qry.total(Integer.MAX_VALUE) / scale + 1;
    PlotGrid.checkSize(sourceCols, queryRows);

    Path outPath = Paths.get(o.out);
    Path tsvPath = o.tsv == null ? null : Paths.get(o.tsv);
    makeParent(outPath);
    if (tsvPath != null) makeParent(tsvPath);

    try {
      System.loadLibrary("Tovrin");
    } catch (UnsatisfiedLinkError ex) {
      throw new Failure("cannot load libTovrin: " + ex.getMessage());
    }

    out.println("dotplot: source " + o.source + ", query " + o.query + ", k=" + o.k + ", step " + o.step
        + ", " + scale + " bases per pixel" + (o.thinned ? ", thinned" : ""));
    out.flush();

    PlotGrid whole = null, perQuery = null;
    long e = MarluJNI.new_Tovrin();
    try {
      MarluJNI.Tovrin_SetMerSize(e, o.k);  // after construction, which resets it to 32
      MarluJNI.set_Tovrin_mSampleIncrement(e, o.step);
      MarluJNI.Tovrin_SetScale(e, scale);
      if (o.thinned) MarluJNI.Tovrin_ReadSourceThinned__SWIG_1(e, o.source);
      else MarluJNI.Tovrin_ReadSource__SWIG_1(e, o.source);
      MarluJNI.Tovrin_ReadQueries__SWIG_1(e, o.query);
      if (o.thinned) MarluJNI.Tovrin_CompareThinned(e);
      else MarluJNI.Tovrin_Compare(e);
      MarluJNI.Tovrin_ComputeStats(e);
      if (!o.perQuery || tsvPath != null) {
        MarluJNI.Tovrin_InitPixels(e);
        whole = PlotGrid.readWhole(e);
      }
      if (o.perQuery) {
        MarluJNI.Tovrin_InitPixels2(e);
        int n = MarluJNI.Tovrin_GetNumQueries(e);
        int[] rowStart = new int[n];
        long rows = 0;
        for (int q = 0; q < n; ++q) {
          rowStart[q] = (int) Math.min(Integer.MAX_VALUE, rows);
          rows += (q < qry.size() ? qry.lengths.get(q) : 0) / scale + 1;
        }
        int width = whole != null ? whole.width : MarluJNI.get_Tovrin_mWindowWidth(e);
        PlotGrid.checkSize(width, rows);
        perQuery = PlotGrid.readPerQuery(e, width, rowStart, (int) rows);
      }
    } finally {
      MarluJNI.delete_Tovrin(e);
    }
    out.flush();

    PlotGrid shown = o.perQuery ? perQuery : whole;
    PlotRenderer.Labels l = new PlotRenderer.Labels();
    l.scale = scale;
    l.title = fileName(o.source) + " vs " + fileName(o.query) + "  (k=" + o.k
        + (o.thinned ? ", thinned" : ", step " + o.step) + (o.perQuery ? ", per-query view" : "") + ")";
    // The engine places every record from position 0 of its axis: source records
    // overlay one another, and so do the queries in the whole-plot view.
    int shownSource = Math.min(2, src.size());
    l.xTitle = "source: " + String.join(", ", src.names.subList(0, shownSource))
        + (src.size() > 2 ? " (first 2 of " + src.size() + " records" + ", both from 0)"
                          : shownSource > 1 ? " (both from 0)" : "");
    l.yTitle = "query: " + String.join(", ", qry.names)
        + (qry.size() > 1 ? (o.perQuery ? " (stacked)" : " (all from 0)") : "");
    l.sourceNames = src.names.subList(0, Math.min(2, src.size()));
    l.sourceLengths = src.lengths.subList(0, Math.min(2, src.size()));
    l.queryNames = qry.names;
    l.queryLengths = qry.lengths;

    try {
      if (tsvPath != null) {
        TsvWriter.write(whole, tsvPath);
        out.println("dotplot: wrote " + whole.nonEmpty() + " pixels to " + tsvPath);
      }
      if (!ImageIO.write(PlotRenderer.render(shown, l), "png", outPath.toFile()))
        throw new Failure("no PNG writer available");
    } catch (IOException ex) {
      throw new Failure("cannot write '" + (ex.getMessage() == null ? o.out : ex.getMessage()) + "'");
    }
    out.println("dotplot: plot of " + shown.width + " x " + shown.height + " pixels written to " + outPath);
    out.flush();
  }

  private static void makeParent(Path p) throws Failure {
    Path parent = p.toAbsolutePath().getParent();
    try {
      if (parent != null) Files.createDirectories(parent);
    } catch (IOException ex) {
      throw new Failure("cannot create the folder of '" + p + "': " + ex.getMessage());
    }
    if (Files.isDirectory(p)) throw new Failure("cannot write '" + p + "': it is a directory");
    if (Files.exists(p) && !Files.isWritable(p)) throw new Failure("cannot write '" + p + "': permission denied");
  }

  private static String fileName(String path) {
    Path f = Paths.get(path).getFileName();
    return f == null ? path : f.toString();
  }
}
