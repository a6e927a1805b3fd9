import static org.junit.jupiter.api.Assertions.*;

import java.io.ByteArrayOutputStream;
import java.io.PrintStream;
import java.nio.charset.StandardCharsets;
import java.util.HashSet;
import java.util.Set;
import org.junit.jupiter.api.Test;

class LifecycleTest {
  @Test
  void newEngineHasDefaultsAndDeleteFreesIt() {
    long e = MarluJNI.new_Tovrin();
    assertNotEquals(0L, e);
    assertEquals(200, MarluJNI.Tovrin_GetScale(e));
    assertEquals(200, MarluJNI.get_Tovrin_mScale(e));
    assertEquals(10, MarluJNI.get_Tovrin_mSampleIncrement(e));
    MarluJNI.delete_Tovrin(e);
  }

  @Test
  void severalEnginesLiveAtOnceAndStaySeparate() {
    long[] engines = new long[8];
    Set<Long> seen = new HashSet<>();
    for (int i = 0; i < engines.length; i++) {
      engines[i] = MarluJNI.new_Tovrin();
      assertNotEquals(0L, engines[i]);
      assertTrue(seen.add(engines[i]), "handles must be distinct");
      MarluJNI.Tovrin_SetScale(engines[i], 100 + i);
    }
    for (int i = 0; i < engines.length; i++) {
      assertEquals(100 + i, MarluJNI.Tovrin_GetScale(engines[i]));
    }
    // Deleting one leaves the others intact.
    MarluJNI.delete_Tovrin(engines[3]);
    for (int i = 0; i < engines.length; i++) {
      if (i != 3) assertEquals(100 + i, MarluJNI.get_Tovrin_mScale(engines[i]));
    }
    for (int i = 0; i < engines.length; i++) {
      if (i != 3) MarluJNI.delete_Tovrin(engines[i]);
    }
  }

  @Test
  void manyCreateDeleteCycles() {
    for (int i = 0; i < 10000; i++) {
      long e = MarluJNI.new_Tovrin();
      MarluJNI.set_Tovrin_mSkip(e, i);
      assertEquals(i, MarluJNI.get_Tovrin_mSkip(e));
      MarluJNI.delete_Tovrin(e);
    }
  }

  @Test
  void deleteOfHandleZeroDoesNothing() {
    assertDoesNotThrow(() -> MarluJNI.delete_Tovrin(0L));
  }

  @Test
  void scaleOperationsAndScaleFieldAreTheSameValue() {
    long e = MarluJNI.new_Tovrin();
    try {
      MarluJNI.Tovrin_SetScale(e, 50);
      assertEquals(50, MarluJNI.Tovrin_GetScale(e));
      assertEquals(50, MarluJNI.get_Tovrin_mScale(e));
      MarluJNI.set_Tovrin_mScale(e, 7);
      assertEquals(7, MarluJNI.Tovrin_GetScale(e));
      assertEquals(7, MarluJNI.get_Tovrin_mScale(e));
      // Stored unchanged, without any check.
      for (int s : new int[] {0, -1, Integer.MIN_VALUE, Integer.MAX_VALUE}) {
        MarluJNI.Tovrin_SetScale(e, s);
        assertEquals(s, MarluJNI.Tovrin_GetScale(e));
        assertEquals(s, MarluJNI.get_Tovrin_mScale(e));
      }
    } finally {
      MarluJNI.delete_Tovrin(e);
    }
  }

  @Test
  void scaleOperationsOnHandleZeroRaiseNullPointerException() {
    NullPointerException get =
        assertThrows(NullPointerException.class, () -> MarluJNI.Tovrin_GetScale(0L));
    assertEquals("Attempt to use a null Tovrin handle", get.getMessage());
    NullPointerException set =
        assertThrows(NullPointerException.class, () -> MarluJNI.Tovrin_SetScale(0L, 5));
    assertEquals("Attempt to use a null Tovrin handle", set.getMessage());
  }

  @Test
  void scaleDemoPrintsTheScaleItSet() {
    PrintStream old = System.out;
    ByteArrayOutputStream buf = new ByteArrayOutputStream();
    System.setOut(new PrintStream(buf, true, StandardCharsets.UTF_8));
    try {
      ScaleDemo.main(new String[0]);
    } finally {
      System.setOut(old);
    }
    assertEquals("scale 50" + System.lineSeparator(), buf.toString(StandardCharsets.UTF_8));
  }
}
