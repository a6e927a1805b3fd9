/**
 * Hit counts of a plot, one cell per pixel, read back from an engine one value
 * per call. Cell (x, y) is column x (source axis) and row y (query axis).
 */
final class PlotGrid {
  /** Cells beyond this make the plot unreadable anyway; a larger scale is needed. */
  static final long MAX_CELLS = 64L * 1024 * 1024;

  final int width;
  final int height;
  final int[] forward;
  final int[] reverse;   // null when the view has no reverse-complement hits
  /** First row of each query when the queries are stacked; null when they overlay. */
  int[] queryRowStart;

  PlotGrid(int width, int height, boolean withReverse) {
    this.width = width;
    this.height = height;
    forward = new int[width * height];
    reverse = withReverse ? new int[width * height] : null;
  }

  static void checkSize(long width, long height) {
    if (width < 1 || height < 1 || width * height > MAX_CELLS)
      throw new IllegalStateException("the plot would be " + width + " x " + height
          + " pixels; choose a larger --scale");
  }

  /**
   * The whole-plot view after InitPixels: every column 0..GetCols2 and every
   * row 0..GetTotalRows2 (the window of ComputeStats), forward and reverse.
   */
  static PlotGrid readWhole(long e) {
    int cols = MarluJNI.Tovrin_GetCols2(e) + 1;
    int rows = MarluJNI.Tovrin_GetTotalRows2(e) + 1;
    checkSize(cols, rows);
    PlotGrid g = new PlotGrid(cols, rows, true);
    for (int y = 0; y < rows; ++y) {
      int base = y * cols;
      for (int x = 0; x < cols; ++x) {
        g.forward[base + x] = MarluJNI.Tovrin_GetIntensity2(e, 0, x, y);
        g.reverse[base + x] = MarluJNI.Tovrin_GetRevIntensity2(e, 0, x, y);
      }
    }
    return g;
  }

  /**
   * The per-query view after InitPixels2: query q's table (rows = source
   * pixels, columns = query pixels) drawn from row rowStart[q] down.
   */
  static PlotGrid readPerQuery(long e, int width, int[] rowStart, int height) {
    checkSize(width, height);
    PlotGrid g = new PlotGrid(width, height, false);
    g.queryRowStart = rowStart;
    int tables = Math.min(MarluJNI.Tovrin_GetNumQueries(e), rowStart.length);
    for (int q = 0; q < tables; ++q) {
      int sourcePixels = MarluJNI.Tovrin_GetRows(e, q);
      int queryPixels = MarluJNI.Tovrin_GetCols__SWIG_1(e, q);
      int end = q + 1 < rowStart.length ? rowStart[q + 1] : height;
      for (int c = 0; c < queryPixels && rowStart[q] + c < end; ++c) {
        int base = (rowStart[q] + c) * width;
        for (int r = 0; r < sourcePixels && r < width; ++r)
          g.forward[base + r] = MarluJNI.Tovrin_GetIntensity(e, q, c, r);
      }
    }
    return g;
  }

  int maxCount() {
    int m = 0;
    for (int v : forward) m = Math.max(m, v);
    if (reverse != null) for (int v : reverse) m = Math.max(m, v);
    return m;
  }

  long nonEmpty() {
    long n = 0;
    for (int i = 0; i < forward.length; ++i)
      if (forward[i] != 0 || (reverse != null && reverse[i] != 0)) ++n;
    return n;
  }
}
