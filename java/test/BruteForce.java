import java.io.IOException;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

/**
 * An independent dot-plot computation for checking the library: FASTA read by
 * hand, every indexed source k-mer listed and sorted by value, and for every
 * looked-up query position all source k-mers equal to the query k-mer
 * (forward) or to its reverse complement (reverse) become hits; then repeats
 * are dropped and hits binned into pixels.
 *
 * The rules it follows: k-mer value = 2-bit codes (c >> 1) & 3, base i in bits
 * 2i and 2i+1; the source is its first two records, indexed at every start
 * position below length - k whose k bases have no 3-bit code (c >> 1) & 7 of 4
 * or more; queries are looked up at positions 0, step, 2 step, ... below
 * length - 31 (thinned: every position, and only k-mers whose value is a
 * multiple of 11, the same test on the source); hits of one query in lookup
 * order, the locations of one k-mer in source order; a hit repeating the
 * source position and strand of the hit before it is dropped; a hit's pixel
 * is ((source position + k) / scale, (query position + k) / scale).
 */
final class BruteForce {
  /** A FASTA record: name and bases. */
  record Rec(String name, byte[] bases) {}

  /** Pixel counts (key: y << 32 | x) and the number of dropped repeats per query. */
  static final class Result {
    final Map<Long, int[]> pixels = new HashMap<>();  // {forward, reverse}
    final List<Map<Long, Integer>> perQuery = new ArrayList<>();  // forward only, key: row << 32 | col
    final List<Integer> removed = new ArrayList<>();
    long forwardHits, reverseHits;
  }

  private BruteForce() {}

  /** Records in file order; sequence lines lose their line end and trailing blanks and tabs. */
  static List<Rec> read(Path p) throws IOException {
    List<Rec> recs = new ArrayList<>();
    String name = null;
    java.io.ByteArrayOutputStream seq = new java.io.ByteArrayOutputStream();
    for (String line : Files.readAllLines(p, java.nio.charset.StandardCharsets.ISO_8859_1)) {
      if (line.startsWith(">")) {
        if (name != null) recs.add(new Rec(name, seq.toByteArray()));
        String h = line.substring(1).strip();
        int sp = 0;
        while (sp < h.length() && !Character.isWhitespace(h.charAt(sp))) ++sp;
        name = h.substring(0, sp);
        seq.reset();
      } else if (name != null) {
        int end = line.length();
        while (end > 0 && (line.charAt(end - 1) == ' ' || line.charAt(end - 1) == '\t')) --end;
        for (int i = 0; i < end; ++i) seq.write(line.charAt(i));
      }
    }
    if (name != null) recs.add(new Rec(name, seq.toByteArray()));
    return recs;
  }

  static long value(byte[] s, int pos, int k) {
    long v = 0;
    for (int i = 0; i < k; ++i) v |= (long) ((s[pos + i] >> 1) & 3) << (2 * i);
    return v;
  }

  static long reverseComplement(long v, int k) {
    long r = 0;
    for (int j = 0; j < k; ++j) r |= (((v >>> (2 * (k - 1 - j))) & 3) ^ 2) << (2 * j);
    return r;
  }

  static boolean thin(long v) { return Long.remainderUnsigned(v, 11) == 0; }

  static Result compute(List<Rec> sourceFile, List<Rec> queries, int k, int step, int scale, boolean thinned) {
    // Source k-mers in source order: record, then position.
    List<Rec> source = sourceFile.subList(0, Math.min(2, sourceFile.size()));
    int n = 0;
    for (Rec r : source) n += Math.max(0, r.bases().length - k);
    long[] vals = new long[n];
    int[] pos = new int[n];
    int m = 0;
    for (Rec r : source) {
      byte[] b = r.bases();
      for (int p = 0; p < b.length - k; ++p) {
        boolean bad = false;
        for (int i = 0; i < k && !bad; ++i) bad = ((b[p + i] >> 1) & 7) >= 4;
        if (bad) continue;
        long v = value(b, p, k);
        if (thinned && !thin(v)) continue;
        vals[m] = v;
        pos[m] = p;
        ++m;
      }
    }
    // Sorted by value, source order kept among equal values (stable sort).
    Integer[] order = new Integer[m];
    for (int i = 0; i < m; ++i) order[i] = i;
    final long[] fv = vals;
    Arrays.sort(order, (a, b) -> Long.compare(fv[a], fv[b]));
    long[] sortedVals = new long[m];
    for (int i = 0; i < m; ++i) sortedVals[i] = vals[order[i]];

    Result res = new Result();
    for (Rec q : queries) {
      byte[] b = q.bases();
      List<long[]> fwd = new ArrayList<>(), rev = new ArrayList<>();  // {location word, query position}
      for (long p = 0; p < (long) b.length - 31; p += thinned ? 1 : step) {
        long v = value(b, (int) p, k);
        if (thinned && !thin(v)) continue;
        addHits(sortedVals, order, pos, v, 0, (int) p, fwd);
        addHits(sortedVals, order, pos, reverseComplement(v, k), 1L << 31, (int) p, rev);
      }
      int removed = dedupe(fwd) + dedupe(rev);
      res.removed.add(removed);
      Map<Long, Integer> table = new HashMap<>();
      for (long[] h : fwd) {
        long x = ((h[0] & 0x7fffffffL) + k) / scale, y = (h[1] + k) / scale;
        res.pixels.computeIfAbsent((y << 32) | x, key -> new int[2])[0]++;
        table.merge((x << 32) | y, 1, Integer::sum);
      }
      for (long[] h : rev) {
        long x = ((h[0] & 0x7fffffffL) + k) / scale, y = (h[1] + k) / scale;
        res.pixels.computeIfAbsent((y << 32) | x, key -> new int[2])[1]++;
      }
      res.perQuery.add(table);
      res.forwardHits += fwd.size();
      res.reverseHits += rev.size();
    }
    return res;
  }

  private static void addHits(long[] sortedVals, Integer[] order, int[] pos, long v, long revBit, int qpos,
      List<long[]> out) {
    int lo = 0, hi = sortedVals.length;  // first index with value >= v
    while (lo < hi) {
      int mid = (lo + hi) >>> 1;
      if (sortedVals[mid] < v) lo = mid + 1; else hi = mid;
    }
    for (int i = lo; i < sortedVals.length && sortedVals[i] == v; ++i)
      out.add(new long[] {pos[order[i]] | revBit, qpos});
  }

  private static int dedupe(List<long[]> hits) {
    List<long[]> kept = new ArrayList<>();
    for (long[] h : hits)
      if (kept.isEmpty() || kept.get(kept.size() - 1)[0] != h[0]) kept.add(h);
    int removed = hits.size() - kept.size();
    hits.clear();
    hits.addAll(kept);
    return removed;
  }

  /** The brute-force pixels as the lines --tsv writes, sorted by y then x. */
  static List<String> tsvLines(Result r) {
    List<Long> keys = new ArrayList<>(r.pixels.keySet());
    keys.sort(null);
    List<String> lines = new ArrayList<>();
    for (long key : keys) {
      int[] c = r.pixels.get(key);
      lines.add((key & 0xffffffffL) + "\t" + (key >>> 32) + "\t" + c[0] + "\t" + c[1]);
    }
    return lines;
  }
}
