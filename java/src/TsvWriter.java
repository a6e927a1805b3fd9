import java.io.BufferedWriter;
import java.io.IOException;
import java.io.OutputStreamWriter;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;

/** Writes the non-empty pixels of a whole-plot grid as x, y, forward, reverse lines. */
final class TsvWriter {
  private TsvWriter() {}

  /** Rows in order of y, then x, so the lines come out sorted as promised. */
  static void write(PlotGrid g, Path path) throws IOException {
    try (BufferedWriter w = new BufferedWriter(
             new OutputStreamWriter(Files.newOutputStream(path), StandardCharsets.US_ASCII), 1 << 16)) {
      StringBuilder line = new StringBuilder(48);
      for (int y = 0; y < g.height; ++y) {
        int base = y * g.width;
        for (int x = 0; x < g.width; ++x) {
          int f = g.forward[base + x];
          int r = g.reverse == null ? 0 : g.reverse[base + x];
          if (f == 0 && r == 0) continue;
          line.setLength(0);
          line.append(x).append('\t').append(y).append('\t').append(f).append('\t').append(r).append('\n');
          w.append(line);
        }
      }
    }
  }
}
