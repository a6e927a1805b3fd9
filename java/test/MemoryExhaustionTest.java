import static org.junit.jupiter.api.Assertions.*;

import org.junit.jupiter.api.Tag;
import org.junit.jupiter.params.ParameterizedTest;
import org.junit.jupiter.params.provider.CsvSource;

/**
 * An allocation that fails inside an engine operation reaches Java as
 * java.lang.OutOfMemoryError and leaves the engine usable. Each case runs in a
 * child JVM whose address space is limited just before the operation (see
 * HardenChild), so that no test can take the machine's memory. Tagged
 * "address-limit": not run against the sanitizer build, whose runtime cannot
 * work under a lowered limit (the native tests fail allocations there instead).
 */
@Tag("address-limit")
class MemoryExhaustionTest {
  @ParameterizedTest(name = "{0}")
  @CsvSource({
    "dense-table,   InitPixels2 at one base per pixel on a 20 kb self-comparison",
    "hit-explosion, Compare of poly-A against a two-million-base poly-A source",
    "index-load,    ReadSource of six million bases with 48 MB to spare",
  })
  void failedAllocationBecomesOutOfMemoryErrorAndTheEngineStaysUsable(String scenario, String what)
      throws Exception {
    ChildJvm child = ChildJvm.run(300, HardenChild.class, scenario);
    assertEquals(0, child.exit, what + ": the child JVM must end normally\n" + child.tail());
    assertEquals(1, child.lines("@@ result=oom").size(), what + ": expected OutOfMemoryError\n" + child.tail());
    assertTrue(child.output.contains("@@ result=oom native memory allocation failed"), child.tail());
    assertEquals(1, child.lines("@@ usable=yes").size(), what + ": same engine afterwards\n" + child.tail());
    assertEquals(1, child.lines("@@ baseline=same").size(), what + ": a new engine afterwards\n" + child.tail());
  }
}
