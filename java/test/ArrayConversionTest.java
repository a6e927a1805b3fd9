import static org.junit.jupiter.api.Assertions.*;

import java.util.List;
import org.junit.jupiter.api.Test;

/** The SWIG_JavaArray{In,Argout,Out}<Type> family, run on real Java arrays. */
class ArrayConversionTest {
  /** One element type: its name, a Java array of it and the native values In must give. */
  record Case(String type, Object javaArray, long[] nativeValues) {}

  static final List<Case> IN_CASES = List.of(
      new Case("Bool", new boolean[] {true, false, true}, new long[] {1, 0, 1}),
      new Case("Schar", new byte[] {-128, -1, 0, 127}, new long[] {-128, -1, 0, 127}),
      new Case("Uchar", new short[] {0, 255, 256, -1, 300}, new long[] {0, 255, 0, 255, 44}),
      new Case("Short", new short[] {-32768, -1, 32767}, new long[] {-32768, -1, 32767}),
      new Case("Ushort", new int[] {0, 65535, 65536, -1}, new long[] {0, 65535, 0, 65535}),
      new Case("Int", new int[] {Integer.MIN_VALUE, -1, Integer.MAX_VALUE},
          new long[] {Integer.MIN_VALUE, -1, Integer.MAX_VALUE}),
      new Case("Uint", new long[] {-1L, 0x100000005L, 0xFFFFFFFFL, 7, Long.MIN_VALUE},
          new long[] {4294967295L, 5, 4294967295L, 7, 0}),
      new Case("Long", new int[] {Integer.MIN_VALUE, -1, Integer.MAX_VALUE},
          new long[] {Integer.MIN_VALUE, -1, Integer.MAX_VALUE}),
      new Case("Ulong", new long[] {-1L, 0x100000005L, 0xFFFFFFFFL, 7, Long.MIN_VALUE},
          new long[] {4294967295L, 5, 4294967295L, 7, 0}),
      new Case("Longlong", new long[] {Long.MIN_VALUE, -1, Long.MAX_VALUE},
          new long[] {Long.MIN_VALUE, -1, Long.MAX_VALUE}),
      new Case("Float", new float[] {-3f, 0f, 1e6f}, new long[] {-3, 0, 1000000}),
      new Case("Double", new double[] {-3.0, 0.0, 1e12}, new long[] {-3, 0, 1000000000000L}));

  static Object emptyArrayOf(Object like) {
    return java.lang.reflect.Array.newInstance(like.getClass().getComponentType(), 0);
  }

  @Test
  void inGivesTheConvertedNativeElements() {
    for (Case c : IN_CASES) {
      assertArrayEquals(c.nativeValues(), TestHooks.nativeValues(c.type(), c.javaArray()), c.type());
      assertEquals(1, TestHooks.lastInResult(), c.type());
      assertArrayEquals(new long[0], TestHooks.nativeValues(c.type(), emptyArrayOf(c.javaArray())),
          c.type() + " empty");
      assertEquals(1, TestHooks.lastInResult(), c.type());
    }
  }

  @Test
  void inOfNullArrayRaisesNullPointerExceptionAndFails() {
    for (Case c : IN_CASES) {
      NullPointerException e = assertThrows(NullPointerException.class,
          () -> TestHooks.nativeValues(c.type(), null), c.type());
      assertEquals("null array", e.getMessage());
      assertEquals(0, TestHooks.lastInResult(), c.type());
    }
  }

  @Test
  void boolStoresOneForEveryNonZeroElement() {
    assertArrayEquals(new long[] {0, 1, 1, 1, 1},
        TestHooks.boolInRaw(new byte[] {0, 1, 2, (byte) 0x80, (byte) 0xFF}));
  }

  /** In, +1 natively, Argout into the same array, Out into a new array. */
  @Test
  void roundTripWritesBackAndCopiesOut() {
    int[] ints = {1, 2, -1};
    assertArrayEquals(new int[] {2, 3, 0}, (int[]) TestHooks.roundTrip("Int", ints));
    assertArrayEquals(new int[] {2, 3, 0}, ints);

    for (String t : new String[] {"Uint", "Ulong"}) {
      long[] u = {-1L, 5, 0xFFFFFFFEL, 0x700000009L};
      // -1 -> 0xFFFFFFFF -> wraps to 0; 0xFFFFFFFE -> 0xFFFFFFFF comes back zero-extended.
      long[] expected = {0, 6, 4294967295L, 10};
      assertArrayEquals(expected, (long[]) TestHooks.roundTrip(t, u), t);
      assertArrayEquals(expected, u, t);
    }

    short[] uc = {255, 10, -2};
    assertArrayEquals(new short[] {0, 11, 255}, (short[]) TestHooks.roundTrip("Uchar", uc));
    assertArrayEquals(new short[] {0, 11, 255}, uc);

    int[] us = {65535, -1, 7};
    assertArrayEquals(new int[] {0, 0, 8}, (int[]) TestHooks.roundTrip("Ushort", us));

    short[] s = {-2, 100};
    assertArrayEquals(new short[] {-1, 101}, (short[]) TestHooks.roundTrip("Short", s));
    byte[] b = {-2, 126};
    assertArrayEquals(new byte[] {-1, 127}, (byte[]) TestHooks.roundTrip("Schar", b));
    int[] l = {-2, Integer.MAX_VALUE - 1};
    assertArrayEquals(new int[] {-1, Integer.MAX_VALUE}, (int[]) TestHooks.roundTrip("Long", l));
    long[] ll = {Long.MAX_VALUE - 1, -5};
    assertArrayEquals(new long[] {Long.MAX_VALUE, -4}, (long[]) TestHooks.roundTrip("Longlong", ll));

    boolean[] z = {true, false};
    assertArrayEquals(new boolean[] {true, true}, (boolean[]) TestHooks.roundTrip("Bool", z));
    assertArrayEquals(new boolean[] {true, true}, z);

    float[] f = {1.5f, -0.25f};
    assertArrayEquals(new float[] {2.5f, 0.75f}, (float[]) TestHooks.roundTrip("Float", f));
    assertArrayEquals(new float[] {2.5f, 0.75f}, f);
    double[] d = {0.25, -1e300};
    assertArrayEquals(new double[] {1.25, -1e300}, (double[]) TestHooks.roundTrip("Double", d));

    assertArrayEquals(new int[0], (int[]) TestHooks.roundTrip("Int", new int[0]));
  }

  @Test
  void outZeroExtendsUnsigned32AndKeepsSignedValues() {
    for (String t : new String[] {"Uint", "Ulong"}) {
      assertArrayEquals(new long[] {4294967295L, 0, 2147483648L},
          (long[]) TestHooks.outOf(t, new long[] {-1L, 0, 0x80000000L}, false), t);
    }
    assertArrayEquals(new int[] {-1, Integer.MIN_VALUE},
        (int[]) TestHooks.outOf("Int", new long[] {-1, Integer.MIN_VALUE}, false));
    assertArrayEquals(new int[] {65535}, (int[]) TestHooks.outOf("Ushort", new long[] {-1}, false));
    assertArrayEquals(new short[] {255}, (short[]) TestHooks.outOf("Uchar", new long[] {-1}, false));
    assertArrayEquals(new boolean[] {false, true, true},
        (boolean[]) TestHooks.outOf("Bool", new long[] {0, 1, 5}, false));
    assertArrayEquals(new long[] {Long.MIN_VALUE},
        (long[]) TestHooks.outOf("Longlong", new long[] {Long.MIN_VALUE}, false));
  }

  @Test
  void outOfEmptyAndOfNullNativeArray() {
    for (Case c : IN_CASES) {
      Object empty = TestHooks.outOf(c.type(), new long[0], false);
      assertEquals(c.javaArray().getClass(), empty.getClass(), c.type());
      assertEquals(0, java.lang.reflect.Array.getLength(empty), c.type());
      // A null native array with nothing to copy is an empty Java array, not a crash.
      Object none = TestHooks.outOf(c.type(), new long[0], true);
      assertEquals(0, java.lang.reflect.Array.getLength(none), c.type());
      NullPointerException e = assertThrows(NullPointerException.class,
          () -> TestHooks.outOf(c.type(), new long[] {1, 2}, true), c.type());
      assertEquals("null array", e.getMessage());
    }
  }
}
