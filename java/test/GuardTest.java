import static org.junit.jupiter.api.Assertions.*;

import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** The guard every engine entry point runs in: no C++ exception reaches the JVM. */
class GuardTest {
  long engine;

  @BeforeEach
  void create() {
    engine = MarluJNI.new_Tovrin();
  }

  @AfterEach
  void destroy() {
    MarluJNI.delete_Tovrin(engine);
  }

  @Test
  void normalCallReturnsTheEngineResult() {
    MarluJNI.Tovrin_SetScale(engine, 321);
    assertEquals(321, TestHooks.guardedInt(engine, 0));
    TestHooks.guardedVoid(engine, 0);
    assertEquals(1321, MarluJNI.Tovrin_GetScale(engine));
  }

  @Test
  void badAllocBecomesOutOfMemoryError() {
    OutOfMemoryError e = assertThrows(OutOfMemoryError.class, () -> TestHooks.guardedInt(engine, 1));
    assertEquals("native memory allocation failed", e.getMessage());
    assertThrows(OutOfMemoryError.class, () -> TestHooks.guardedVoid(engine, 1));
    assertEquals(200, MarluJNI.Tovrin_GetScale(engine), "the engine is still usable");
  }

  @Test
  void otherExceptionsBecomeRuntimeExceptionWithTheirMessage() {
    RuntimeException e = assertThrows(RuntimeException.class, () -> TestHooks.guardedInt(engine, 2));
    assertEquals(RuntimeException.class, e.getClass());
    assertEquals("engine failed at 42", e.getMessage());
    RuntimeException v = assertThrows(RuntimeException.class, () -> TestHooks.guardedVoid(engine, 2));
    assertEquals("engine failed at 42", v.getMessage());
    RuntimeException odd = assertThrows(RuntimeException.class, () -> TestHooks.guardedInt(engine, 3));
    assertEquals("unknown native exception", odd.getMessage());
  }

  @Test
  void handleZeroRaisesNullPointerExceptionWithoutCallingTheEngine() {
    for (int mode = 0; mode <= 3; mode++) {
      final int m = mode;
      NullPointerException e =
          assertThrows(NullPointerException.class, () -> TestHooks.guardedInt(0L, m));
      assertEquals("Attempt to use a null Tovrin handle", e.getMessage());
      NullPointerException v =
          assertThrows(NullPointerException.class, () -> TestHooks.guardedVoid(0L, m));
      assertEquals("Attempt to use a null Tovrin handle", v.getMessage());
    }
  }
}
