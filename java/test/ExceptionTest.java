import static org.junit.jupiter.api.Assertions.*;

import org.junit.jupiter.api.Test;

class ExceptionTest {
  static final String[] CLASSES = {
    null,
    "java.lang.OutOfMemoryError",
    "java.io.IOException",
    "java.lang.RuntimeException",
    "java.lang.IndexOutOfBoundsException",
    "java.lang.ArithmeticException",
    "java.lang.IllegalArgumentException",
    "java.lang.NullPointerException",
    "java.lang.UnknownError",
  };

  static Throwable raised(Runnable r) {
    try {
      r.run();
    } catch (Throwable t) {
      return t;
    }
    return fail("nothing was raised");
  }

  @Test
  void eachCodeRaisesItsClassWithTheMessage() {
    for (int code = 1; code <= 8; code++) {
      final int c = code;
      Throwable t = raised(() -> TestHooks.throwException(c, "message " + c));
      assertEquals(CLASSES[code], t.getClass().getName(), "code " + code);
      assertEquals("message " + code, t.getMessage());
    }
  }

  @Test
  void unknownCodesRaiseUnknownError() {
    for (int code : new int[] {42, 0, 9, -1, Integer.MAX_VALUE, Integer.MIN_VALUE}) {
      Throwable t = raised(() -> TestHooks.throwException(code, "x"));
      assertEquals(UnknownError.class, t.getClass(), "code " + code);
      assertEquals("x", t.getMessage());
    }
  }

  @Test
  void pendingExceptionIsClearedFirst() {
    Throwable t = raised(() -> TestHooks.throwOverPending(42, "q"));
    assertEquals(UnknownError.class, t.getClass());
    assertEquals("q", t.getMessage());
    assertEquals(0, t.getSuppressed().length);
    assertNull(t.getCause());

    Throwable npe = raised(() -> TestHooks.throwOverPending(7, "second"));
    assertEquals(NullPointerException.class, npe.getClass());
    assertEquals("second", npe.getMessage());
  }

  @Test
  void emptyAndNonAsciiMessagesArriveUnchanged() {
    Throwable empty = raised(() -> TestHooks.throwException(3, ""));
    assertEquals(RuntimeException.class, empty.getClass());
    assertEquals("", empty.getMessage());
    Throwable accented = raised(() -> TestHooks.throwException(2, "fichier \u00e9 introuvable"));
    assertEquals(java.io.IOException.class, accented.getClass());
    assertEquals("fichier \u00e9 introuvable", accented.getMessage());
  }
}
