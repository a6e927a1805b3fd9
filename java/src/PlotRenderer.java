import java.awt.BasicStroke;
import java.awt.Color;
import java.awt.Font;
import java.awt.FontMetrics;
import java.awt.Graphics2D;
import java.awt.RenderingHints;
import java.awt.Stroke;
import java.awt.geom.AffineTransform;
import java.awt.image.BufferedImage;
import java.util.List;

/**
 * Draws a plot grid as an image: forward hits in blue, reverse-complement hits
 * in orange, colour strength by hit count on a log scale; the source runs left
 * to right along the top axis, the queries top to bottom along the left axis.
 */
final class PlotRenderer {
  static final int LEFT = 110, RIGHT = 40, TOP = 84, BOTTOM = 56;
  /** Small plots are drawn with square blocks so that the image is at least this big. */
  static final int MIN_SIDE = 600;
  static final Color FORWARD = new Color(0, 80, 200);
  static final Color REVERSE = new Color(230, 90, 0);

  /** What the axes say about the plot. */
  static final class Labels {
    String title = "";
    String xTitle = "";
    String yTitle = "";
    int scale = 1;                 // bases per pixel
    List<String> sourceNames;      // indexed source records (overlaid from 0)
    List<Long> sourceLengths;
    List<String> queryNames;
    List<Long> queryLengths;
  }

  private PlotRenderer() {}

  static int zoom(PlotGrid g) {
    return Math.max(1, MIN_SIDE / Math.max(g.width, g.height));
  }

  static int imageWidth(PlotGrid g) { return g.width * zoom(g) + LEFT + RIGHT; }

  static int imageHeight(PlotGrid g) { return g.height * zoom(g) + TOP + BOTTOM; }

  static BufferedImage render(PlotGrid g, Labels l) {
    int z = zoom(g);
    int pw = g.width * z, ph = g.height * z;
    BufferedImage img = new BufferedImage(pw + LEFT + RIGHT, ph + TOP + BOTTOM, BufferedImage.TYPE_INT_RGB);
    Graphics2D gr = img.createGraphics();
    gr.setRenderingHint(RenderingHints.KEY_TEXT_ANTIALIASING, RenderingHints.VALUE_TEXT_ANTIALIAS_ON);
    gr.setColor(Color.WHITE);
    gr.fillRect(0, 0, img.getWidth(), img.getHeight());

    int max = g.maxCount();
    double logMax = Math.log1p(Math.max(1, max));
    for (int y = 0; y < g.height; ++y) {
      for (int x = 0; x < g.width; ++x) {
        int f = g.forward[y * g.width + x];
        int r = g.reverse == null ? 0 : g.reverse[y * g.width + x];
        if (f == 0 && r == 0) continue;
        int rgb = colour(f, r, logMax);
        for (int dy = 0; dy < z; ++dy)
          for (int dx = 0; dx < z; ++dx) img.setRGB(LEFT + x * z + dx, TOP + y * z + dy, rgb);
        // At one image pixel per cell a lone hit would hardly show: it also
        // colours its empty right, lower and lower-right neighbours.
        if (z == 1) {
          for (int d = 1; d <= 3; ++d) {
            int nx = x + (d & 1), ny = y + (d >> 1);
            if (nx < g.width && ny < g.height && empty(g, nx, ny)) img.setRGB(LEFT + nx, TOP + ny, rgb);
          }
        }
      }
    }

    Font small = new Font(Font.SANS_SERIF, Font.PLAIN, 11);
    Font normal = new Font(Font.SANS_SERIF, Font.PLAIN, 13);
    gr.setFont(normal);
    gr.setColor(Color.BLACK);
    gr.drawString(l.title, LEFT, 20);

    // Boundaries: record ends where records overlay, query starts where they are stacked.
    gr.setFont(small);
    Stroke dashed = new BasicStroke(1f, BasicStroke.CAP_BUTT, BasicStroke.JOIN_MITER, 1f, new float[] {4f, 4f}, 0f);
    gr.setStroke(dashed);
    gr.setColor(new Color(120, 120, 120));
    if (l.sourceLengths != null && l.sourceLengths.size() > 1) {
      FontMetrics fm = gr.getFontMetrics();
      for (int i = 0; i < l.sourceLengths.size(); ++i) {
        int x = LEFT + (int) Math.min(pw, l.sourceLengths.get(i) / l.scale * z);
        gr.drawLine(x, TOP, x, TOP + ph);
        String label = "end of " + l.sourceNames.get(i);
        int w = fm.stringWidth(label);
        int lx = x + 3 + w <= LEFT + pw ? x + 3 : x - 3 - w;  // keep it inside the plot
        gr.drawString(label, lx, TOP + ph - 4 - 12 * i);
      }
    }
    if (g.queryRowStart != null) {
      gr.setStroke(new BasicStroke(1f));
      for (int q = 0; q < g.queryRowStart.length; ++q) {
        int y = TOP + Math.min(ph, g.queryRowStart[q] * z);
        if (q > 0) gr.drawLine(LEFT, y, LEFT + pw, y);
        int next = q + 1 < g.queryRowStart.length ? TOP + Math.min(ph, g.queryRowStart[q + 1] * z) : TOP + ph;
        // Names only where the band is tall enough to hold one without overlap.
        if (l.queryNames != null && q < l.queryNames.size() && next - y >= 14)
          gr.drawString(l.queryNames.get(q), LEFT + 3, y + 12);
      }
    } else if (l.queryLengths != null && l.queryLengths.size() > 1) {
      // Overlaid queries: a dashed line where each one ends, named where the
      // names do not run into each other (shortest first).
      Integer[] byEnd = new Integer[l.queryLengths.size()];
      for (int q = 0; q < byEnd.length; ++q) byEnd[q] = q;
      java.util.Arrays.sort(byEnd, (a, b) -> Long.compare(l.queryLengths.get(a), l.queryLengths.get(b)));
      int lastLabel = TOP;
      for (int q : byEnd) {
        int y = TOP + (int) Math.min(ph, l.queryLengths.get(q) / l.scale * z);
        gr.drawLine(LEFT, y, LEFT + pw, y);
        if (y - lastLabel >= 13) {
          gr.drawString("end of " + l.queryNames.get(q), LEFT + 3, y - 3);
          lastLabel = y;
        }
      }
    }

    gr.setStroke(new BasicStroke(1f));
    gr.setColor(Color.DARK_GRAY);
    gr.drawRect(LEFT - 1, TOP - 1, pw + 1, ph + 1);
    drawTicks(gr, small, (long) g.width * l.scale, l.scale, z, true);
    drawTicks(gr, small, (long) g.height * l.scale, l.scale, z, false);

    gr.setFont(normal);
    gr.setColor(Color.BLACK);
    FontMetrics nm = gr.getFontMetrics();
    String xt = fit(gr, l.xTitle, pw + RIGHT);
    gr.drawString(xt, LEFT + Math.max(0, (pw - nm.stringWidth(xt)) / 2), 44);
    AffineTransform saved = gr.getTransform();
    gr.rotate(-Math.PI / 2);
    String yt = fit(gr, l.yTitle, ph);
    gr.drawString(yt, -(TOP + ph / 2 + nm.stringWidth(yt) / 2), 20);
    gr.setTransform(saved);

    // Legend.
    int ly = TOP + ph + 24;
    gr.setFont(small);
    FontMetrics sm = gr.getFontMetrics();
    int lx = LEFT;
    lx = legendEntry(gr, sm, FORWARD, "forward", lx, ly);
    if (g.reverse != null) lx = legendEntry(gr, sm, REVERSE, "reverse complement", lx, ly);
    gr.setColor(Color.BLACK);
    gr.drawString("hits per pixel on a log scale, 1 to " + max + "; " + l.scale + " bases per pixel"
        + (g.queryRowStart == null && l.queryLengths != null && l.queryLengths.size() > 1
            ? "; queries overlaid from 0 (--per-query stacks them)" : ""), lx, ly);
    gr.dispose();
    return img;
  }

  private static int legendEntry(Graphics2D gr, FontMetrics fm, Color c, String text, int x, int y) {
    gr.setColor(c);
    gr.fillRect(x, y - 9, 12, 10);
    gr.setColor(Color.BLACK);
    gr.drawString(text, x + 16, y);
    return x + 16 + fm.stringWidth(text) + 18;
  }

  private static boolean empty(PlotGrid g, int x, int y) {
    int i = y * g.width + x;
    return g.forward[i] == 0 && (g.reverse == null || g.reverse[i] == 0);
  }

  /** White blended toward the hit colour; strength grows with log(1 + hits). */
  static int colour(int f, int r, double logMax) {
    int n = f + r;
    double t = 0.3 + 0.7 * Math.log1p(n) / logMax;
    if (t > 1) t = 1;
    double wf = (double) f / n, wr = (double) r / n;
    double cr = wf * FORWARD.getRed() + wr * REVERSE.getRed();
    double cg = wf * FORWARD.getGreen() + wr * REVERSE.getGreen();
    double cb = wf * FORWARD.getBlue() + wr * REVERSE.getBlue();
    int red = (int) Math.round(255 * (1 - t) + cr * t);
    int green = (int) Math.round(255 * (1 - t) + cg * t);
    int blue = (int) Math.round(255 * (1 - t) + cb * t);
    return (red << 16) | (green << 8) | blue;
  }

  private static void drawTicks(Graphics2D gr, Font font, long extent, int scale, int z, boolean xAxis) {
    gr.setFont(font);
    FontMetrics fm = gr.getFontMetrics();
    long step = niceStep(extent);
    for (long v = 0; v <= extent; v += step) {
      int p = (int) (v / scale * z);
      String label = baseLabel(v, step);
      if (xAxis) {
        int x = LEFT + p;
        gr.drawLine(x, TOP - 6, x, TOP - 1);
        gr.drawString(label, x - fm.stringWidth(label) / 2, TOP - 9);
      } else {
        int y = TOP + p;
        gr.drawLine(LEFT - 6, y, LEFT - 1, y);
        gr.drawString(label, LEFT - 9 - fm.stringWidth(label), y + fm.getAscent() / 2 - 1);
      }
    }
  }

  /** 1, 2 or 5 times a power of ten, giving about five to ten ticks. */
  static long niceStep(long extent) {
    long step = 1;
    while (true) {
      for (long m : new long[] {1, 2, 5}) {
        if (extent / (step * m) <= 8) return step * m;
      }
      step *= 10;
    }
  }

  /** A position in bases as "0", "750 bp", "20 kb", "1.5 Mb"; the unit follows the tick step. */
  static String baseLabel(long v, long step) {
    if (v == 0) return "0";
    if (step >= 100000) return trim(v / 1e6) + " Mb";
    if (step >= 100) return trim(v / 1e3) + " kb";
    return v + " bp";
  }

  private static String trim(double d) {
    String s = String.format(java.util.Locale.ROOT, "%.2f", d);
    s = s.replaceAll("0+$", "");
    return s.endsWith(".") ? s.substring(0, s.length() - 1) : s;
  }

  private static String fit(Graphics2D gr, String s, int width) {
    FontMetrics fm = gr.getFontMetrics();
    if (fm.stringWidth(s) <= width) return s;
    while (s.length() > 1 && fm.stringWidth(s + "...") > width) s = s.substring(0, s.length() - 1);
    return s + "...";
  }
}
