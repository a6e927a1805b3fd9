import static org.junit.jupiter.api.Assertions.*;

import java.nio.charset.StandardCharsets;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

/** How a path reaches an engine method through the __SWIG_0 and __SWIG_1 overloads. */
class PathConversionTest {
  long engine;

  @BeforeEach
  void create() {
    engine = MarluJNI.new_Tovrin();
  }

  @AfterEach
  void destroy() {
    MarluJNI.delete_Tovrin(engine);
  }

  static byte[] hex(int... b) {
    byte[] r = new byte[b.length];
    for (int i = 0; i < b.length; i++) r[i] = (byte) b[i];
    return r;
  }

  int engineCalls() {
    return MarluJNI.get_Tovrin_mSkip(engine);
  }

  @Test
  void javaStringReachesTheEngineAsModifiedUtf8() {
    assertArrayEquals("/data/q.fa".getBytes(StandardCharsets.US_ASCII),
        TestHooks.pathSwig1(engine, "/data/q.fa"));
    assertArrayEquals(hex('/', 'g', 0xC3, 0xA9, 'n', 'o', 'm', 'e'),
        TestHooks.pathSwig1(engine, "/g\u00e9nome"));
    // Modified UTF-8: U+0000 as C0 80, a supplementary character as two 3-byte surrogates.
    assertArrayEquals(hex('a', 0xC0, 0x80, 'b'), TestHooks.pathSwig1(engine, "a\u0000b"));
    assertArrayEquals(hex(0xED, 0xA0, 0xBD, 0xED, 0xB8, 0x80),
        TestHooks.pathSwig1(engine, new String(Character.toChars(0x1F600))));
    assertArrayEquals(new byte[0], TestHooks.pathSwig1(engine, ""));
    assertEquals(5, engineCalls());
  }

  @Test
  void nullJavaStringRaisesNullPointerExceptionAndSkipsTheEngine() {
    NullPointerException e =
        assertThrows(NullPointerException.class, () -> TestHooks.pathSwig1(engine, null));
    assertEquals("null string", e.getMessage());
    assertEquals(0, engineCalls());
  }

  @Test
  void nullNativeStringRaisesNullPointerExceptionAndSkipsTheEngine() {
    NullPointerException e =
        assertThrows(NullPointerException.class, () -> TestHooks.pathSwig0(engine, 0L));
    assertEquals("Attempt to dereference null string", e.getMessage());
    assertEquals(0, engineCalls());
  }

  @Test
  void nativeStringIsCopiedWhole() {
    byte[] bytes = hex('x', 0, 'y', 0xFF);
    long s = TestHooks.newNativeString(bytes);
    try {
      assertArrayEquals(bytes, TestHooks.pathSwig0(engine, s));
      assertArrayEquals(bytes, TestHooks.pathSwig0(engine, s), "the native string is left intact");
    } finally {
      TestHooks.deleteNativeString(s);
    }
    assertEquals(2, engineCalls());
  }

  @Test
  void handleZeroRaisesNullPointerExceptionForBothOverloads() {
    NullPointerException a =
        assertThrows(NullPointerException.class, () -> TestHooks.pathSwig1(0L, "/x.fa"));
    assertEquals("Attempt to use a null Tovrin handle", a.getMessage());
    long s = TestHooks.newNativeString(hex('p'));
    try {
      NullPointerException b =
          assertThrows(NullPointerException.class, () -> TestHooks.pathSwig0(0L, s));
      assertEquals("Attempt to use a null Tovrin handle", b.getMessage());
    } finally {
      TestHooks.deleteNativeString(s);
    }
  }
}
