import static org.junit.jupiter.api.Assertions.*;

import java.io.File;
import java.nio.charset.StandardCharsets;
import java.nio.file.Path;
import java.util.List;
import java.util.concurrent.TimeUnit;
import org.junit.jupiter.api.Test;

/**
 * Runs the binding's exception and conversion paths in a child JVM with -Xcheck:jni and
 * requires it to report no JNI misuse (such as a JNI call made with an exception pending,
 * which a pending exception not cleared before raising a new one would cause).
 */
class JniCheckTest {
  /** The child: every path that raises or converts, each exception caught. */
  public static final class Child {
    static void expect(Class<? extends Throwable> type, Runnable r) {
      try {
        r.run();
      } catch (Throwable t) {
        if (t.getClass() != type) throw new AssertionError("got " + t);
        return;
      }
      throw new AssertionError("nothing raised, expected " + type);
    }

    public static void main(String[] args) {
      long e = MarluJNI.new_Tovrin();
      expect(UnknownError.class, () -> TestHooks.throwOverPending(42, "q"));
      expect(NullPointerException.class, () -> TestHooks.throwOverPending(7, "n"));
      expect(NullPointerException.class, () -> MarluJNI.get_Tovrin_mScale(0L));
      expect(NullPointerException.class, () -> MarluJNI.Tovrin_GetScale(0L));
      expect(NullPointerException.class, () -> TestHooks.pathSwig1(e, null));
      expect(NullPointerException.class, () -> TestHooks.pathSwig0(e, 0L));
      expect(OutOfMemoryError.class, () -> TestHooks.guardedInt(e, 1));
      expect(RuntimeException.class, () -> TestHooks.guardedVoid(e, 2));
      expect(NullPointerException.class, () -> TestHooks.nativeValues("Int", null));
      expect(NullPointerException.class, () -> TestHooks.outOf("Ulong", new long[] {1}, true));
      TestHooks.pathSwig1(e, "/g\u00e9nome.fa");
      TestHooks.roundTrip("Uint", new long[] {-1L, 3});
      TestHooks.roundTrip("Bool", new boolean[] {true, false});
      TestHooks.boolInRaw(new byte[] {0, 2});
      TestHooks.outOf("Double", new long[] {1, 2}, false);
      MarluJNI.delete_Tovrin(e);
      System.out.println("child done");
    }
  }

  @Test
  void noJniWarningsOnExceptionAndConversionPaths() throws Exception {
    String javaBin = Path.of(System.getProperty("java.home"), "bin", "java").toString();
    String testClasses =
        Path.of(TestHooks.class.getProtectionDomain().getCodeSource().getLocation().toURI()).toString();
    String classes = System.getProperty("tovrin.classes");
    assertNotNull(classes, "tovrin.classes must be set");
    Process p = new ProcessBuilder(List.of(javaBin, "-Xcheck:jni",
            "-Djava.library.path=" + System.getProperty("java.library.path"),
            "-cp", classes + File.pathSeparator + testClasses, Child.class.getName()))
        .redirectErrorStream(true)
        .start();
    String out = new String(p.getInputStream().readAllBytes(), StandardCharsets.UTF_8);
    assertTrue(p.waitFor(120, TimeUnit.SECONDS));
    assertEquals(0, p.exitValue(), out);
    assertFalse(out.contains("WARNING"), out);
    assertEquals("child done", out.strip(), out);
  }
}
