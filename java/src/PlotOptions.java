import java.util.List;

/** Command-line options of the dot-plot command. */
final class PlotOptions {
  static final String USAGE =
      "usage: dotplot [options] source.fa query.fa out.png\n"
    + "Draws the k-mer dot plot of the first two records of source.fa (x axis)\n"
    + "against every record of query.fa (y axis) as a PNG image.\n"
    + "options:\n"
    + "  --k N         k-mer length, 1 to 32 (default 32)\n"
    + "  --step N      look up every N-th query position (default 10)\n"
    + "  --scale N     bases per pixel (default: the longer side is about 1200 pixels)\n"
    + "  --thinned     index and look up only k-mers whose value is a multiple of 11\n"
    + "  --per-query   draw the per-query tables stacked (forward hits only)\n"
    + "  --tsv FILE    also write every non-empty whole-plot pixel as\n"
    + "                x<TAB>y<TAB>forward<TAB>reverse, sorted by y then x\n"
    + "  --help        show this help\n";

  /** A bad command line; the message is one line for the user. */
  static final class UsageException extends Exception {
    private static final long serialVersionUID = 1L;
    UsageException(String message) { super(message); }
  }

  int k = 32;
  int step = 10;
  int scale = 0;  // 0: chosen from the sequence lengths
  boolean thinned;
  boolean perQuery;
  boolean help;
  String tsv;
  String source;
  String query;
  String out;

  static PlotOptions parse(List<String> args) throws UsageException {
    PlotOptions o = new PlotOptions();
    String[] files = new String[3];
    int nFiles = 0;
    boolean optionsEnded = false;
    for (int i = 0; i < args.size(); ++i) {
      String a = args.get(i);
      if (!optionsEnded && a.startsWith("--")) {
        String name = a, value = null;
        int eq = a.indexOf('=');
        if (eq > 0) { name = a.substring(0, eq); value = a.substring(eq + 1); }
        switch (name) {
          case "--":
            if (value != null) throw new UsageException("unknown option '" + a + "'");
            optionsEnded = true;
            break;
          case "--help": noValue(name, value); o.help = true; break;
          case "--thinned": noValue(name, value); o.thinned = true; break;
          case "--per-query": noValue(name, value); o.perQuery = true; break;
          case "--k": case "--step": case "--scale": case "--tsv": {
            if (value == null) {
              if (i + 1 >= args.size()) throw new UsageException("option " + name + " needs a value");
              value = args.get(++i);
            }
            if (name.equals("--tsv")) {
              if (value.isEmpty()) throw new UsageException("option --tsv needs a file name");
              o.tsv = value;
            } else if (name.equals("--k")) {
              o.k = number(name, value, 1, 32);
            } else if (name.equals("--step")) {
              o.step = number(name, value, 1, Integer.MAX_VALUE);
            } else {
              o.scale = number(name, value, 1, Integer.MAX_VALUE);
            }
            break;
          }
          default:
            throw new UsageException("unknown option '" + a + "'");
        }
      } else if (!optionsEnded && a.startsWith("-") && a.length() > 1) {
        throw new UsageException("unknown option '" + a + "'");
      } else {
        if (nFiles == 3) throw new UsageException("too many arguments: '" + a + "'");
        files[nFiles++] = a;
      }
    }
    if (o.help) return o;
    if (nFiles < 3) throw new UsageException("expected source.fa query.fa out.png");
    o.source = files[0];
    o.query = files[1];
    o.out = files[2];
    return o;
  }

  private static void noValue(String name, String value) throws UsageException {
    if (value != null) throw new UsageException("option " + name + " takes no value");
  }

  private static int number(String name, String value, int min, int max) throws UsageException {
    long v;
    try {
      v = Long.parseLong(value.trim());
    } catch (NumberFormatException ex) {
      v = Long.MIN_VALUE;
    }
    if (v < min || v > max) {
      String range = max == Integer.MAX_VALUE ? "a whole number of at least " + min
                                              : "a whole number from " + min + " to " + max;
      throw new UsageException("option " + name + " needs " + range + ", got '" + value + "'");
    }
    return (int) v;
  }
}
