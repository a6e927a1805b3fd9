import java.io.BufferedInputStream;
import java.io.FileInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;

/**
 * Names and lengths of the records of a FASTA file, found by one pass over its
 * bytes without keeping any sequence. Used to choose the scale before the
 * library loads anything and to place record boundaries on the axes.
 * A record's length counts every character of its sequence lines except the
 * line end and trailing blanks or tabs, as the library's readers count bases.
 */
final class FastaSummary {
  final List<String> names = new ArrayList<>();
  final List<Long> lengths = new ArrayList<>();

  static FastaSummary read(String path) throws IOException {
    FastaSummary s = new FastaSummary();
    try (InputStream in = new BufferedInputStream(new FileInputStream(path), 1 << 16)) {
      byte[] buf = new byte[1 << 16];
      StringBuilder header = null;   // non-null while inside a header line
      boolean lineStart = true;
      long pending = 0;              // trailing blanks/tabs not yet counted
      long len = 0;
      int n;
      while ((n = in.read(buf)) > 0) {
        for (int i = 0; i < n; ++i) {
          byte b = buf[i];
          if (lineStart && b == '>') {
            if (!s.names.isEmpty()) s.lengths.set(s.lengths.size() - 1, len);
            header = new StringBuilder();
            len = 0;
            pending = 0;
            lineStart = false;
            continue;
          }
          lineStart = b == '\n';
          if (header != null) {
            if (b == '\n') {
              s.addRecord(header.toString());
              header = null;
            } else if (header.length() < 1000) {
              header.append((char) (b & 0xff));
            }
          } else if (b == '\n') {
            pending = 0;
          } else if (b == ' ' || b == '\t') {
            ++pending;
          } else {
            len += pending + 1;
            pending = 0;
          }
        }
      }
      if (header != null) s.addRecord(header.toString());
      if (!s.names.isEmpty()) s.lengths.set(s.lengths.size() - 1, len);
    }
    return s;
  }

  private void addRecord(String headerText) {
    String t = headerText.strip();
    int end = 0;
    while (end < t.length() && !Character.isWhitespace(t.charAt(end))) ++end;
    byte[] raw = t.substring(0, end).getBytes(StandardCharsets.ISO_8859_1);
    names.add(new String(raw, StandardCharsets.UTF_8));
    lengths.add(0L);
  }

  int size() { return names.size(); }

  /** Sum of the lengths of the first n records (all when n exceeds the count). */
  long total(int n) {
    long t = 0;
    for (int i = 0; i < Math.min(n, lengths.size()); ++i) t += lengths.get(i);
    return t;
  }

  long maxLength(int n) {
    long m = 0;
    for (int i = 0; i < Math.min(n, lengths.size()); ++i) m = Math.max(m, lengths.get(i));
    return m;
  }
}
