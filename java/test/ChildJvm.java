import static org.junit.jupiter.api.Assertions.fail;

import java.io.File;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;
import java.util.concurrent.TimeUnit;

/**
 * Runs a main class of the tests in a separate JVM that loads the same
 * libTovrin, so that a test may lower that process's address-space limit (or
 * watch it crash) without risking the JVM that runs the suite.
 */
final class ChildJvm {
  final int exit;
  final String output;

  private ChildJvm(int exit, String output) {
    this.exit = exit;
    this.output = output;
  }

  static ChildJvm run(long timeoutSeconds, Class<?> main, String... args) throws Exception {
    String java = Paths.get(System.getProperty("java.home"), "bin", "java").toString();
    String testClasses = Paths.get(main.getProtectionDomain().getCodeSource().getLocation().toURI()).toString();
    String cp = System.getProperty("tovrin.classes") + File.pathSeparator + testClasses;
    List<String> cmd = new ArrayList<>(Arrays.asList(java, "-Xcheck:jni", "-Xmx128m", "-XX:+UseSerialGC",
        "-XX:TieredStopAtLevel=1", "-Djava.library.path=" + System.getProperty("java.library.path"),
        "-cp", cp, main.getName()));
    cmd.addAll(Arrays.asList(args));
    Path out = Files.createTempFile("tovrin-child", ".out");
    try {
      ProcessBuilder pb = new ProcessBuilder(cmd).redirectErrorStream(true).redirectOutput(out.toFile());
      // One malloc arena: threads do not each reserve 64 MB of address space.
      pb.environment().put("MALLOC_ARENA_MAX", "1");
      Process p = pb.start();
      if (!p.waitFor(timeoutSeconds, TimeUnit.SECONDS)) {
        p.destroyForcibly().waitFor();
        fail("child JVM did not finish within " + timeoutSeconds + " s:\n" + tail(out));
      }
      return new ChildJvm(p.exitValue(), new String(Files.readAllBytes(out), StandardCharsets.UTF_8));
    } finally {
      Files.deleteIfExists(out);
    }
  }

  private static String tail(Path p) throws Exception {
    String s = new String(Files.readAllBytes(p), StandardCharsets.UTF_8);
    return s.length() > 4000 ? s.substring(s.length() - 4000) : s;
  }

  /** The lines the child wrote with the given prefix, prefix removed. */
  List<String> lines(String prefix) {
    List<String> r = new ArrayList<>();
    for (String l : output.split("\n")) {
      if (l.startsWith(prefix)) r.add(l.substring(prefix.length()));
    }
    return r;
  }

  String tail() {
    return output.length() > 4000 ? output.substring(output.length() - 4000) : output;
  }
}
