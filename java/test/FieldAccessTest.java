import static org.junit.jupiter.api.Assertions.*;

import java.util.List;
import java.util.function.LongToIntFunction;
import org.junit.jupiter.api.AfterEach;
import org.junit.jupiter.api.BeforeEach;
import org.junit.jupiter.api.Test;

class FieldAccessTest {
  interface Setter {
    void set(long handle, int value);
  }

  record Field(String name, LongToIntFunction get, Setter set, int initial) {}

  // The nine fields Java reaches directly, in declaration order, with the value
  // a new engine gives them (the unset ones start at 0).
  static final List<Field> FIELDS = List.of(
      new Field("mSkip", MarluJNI::get_Tovrin_mSkip, MarluJNI::set_Tovrin_mSkip, 0),
      new Field("mSampleIncrement", MarluJNI::get_Tovrin_mSampleIncrement,
          MarluJNI::set_Tovrin_mSampleIncrement, 10),
      new Field("mScale", MarluJNI::get_Tovrin_mScale, MarluJNI::set_Tovrin_mScale, 200),
      new Field("mMaxQueryIdx", MarluJNI::get_Tovrin_mMaxQueryIdx,
          MarluJNI::set_Tovrin_mMaxQueryIdx, 0),
      new Field("mTotalQuerySize", MarluJNI::get_Tovrin_mTotalQuerySize,
          MarluJNI::set_Tovrin_mTotalQuerySize, 0),
      new Field("mTotalSourceSize", MarluJNI::get_Tovrin_mTotalSourceSize,
          MarluJNI::set_Tovrin_mTotalSourceSize, 0),
      new Field("mMaxSourceIdx", MarluJNI::get_Tovrin_mMaxSourceIdx,
          MarluJNI::set_Tovrin_mMaxSourceIdx, 0),
      new Field("mWindowHeight", MarluJNI::get_Tovrin_mWindowHeight,
          MarluJNI::set_Tovrin_mWindowHeight, 0),
      new Field("mWindowWidth", MarluJNI::get_Tovrin_mWindowWidth,
          MarluJNI::set_Tovrin_mWindowWidth, 0));

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
  void newEngineValues() {
    for (Field f : FIELDS) assertEquals(f.initial(), f.get().applyAsInt(engine), f.name());
  }

  @Test
  void setThenGetStoresAnyIntUnchanged() {
    int[] values = {1, 5, -1, -123456, Integer.MIN_VALUE, Integer.MAX_VALUE, 0};
    for (Field f : FIELDS) {
      for (int v : values) {
        f.set().set(engine, v);
        assertEquals(v, f.get().applyAsInt(engine), f.name() + " = " + v);
      }
    }
  }

  @Test
  void eachSetterWritesOnlyItsOwnField() {
    for (int i = 0; i < FIELDS.size(); i++) {
      FIELDS.get(i).set().set(engine, 1000 + i);
    }
    for (int i = 0; i < FIELDS.size(); i++) {
      assertEquals(1000 + i, FIELDS.get(i).get().applyAsInt(engine), FIELDS.get(i).name());
    }
    // Change one at a time; all others keep their value.
    for (int i = 0; i < FIELDS.size(); i++) {
      FIELDS.get(i).set().set(engine, -7 - i);
      for (int j = 0; j < FIELDS.size(); j++) {
        int expected = j <= i ? -7 - j : 1000 + j;
        assertEquals(expected, FIELDS.get(j).get().applyAsInt(engine),
            FIELDS.get(j).name() + " after setting " + FIELDS.get(i).name());
      }
    }
  }

  @Test
  void fieldsOfTwoEnginesAreIndependent() {
    long other = MarluJNI.new_Tovrin();
    try {
      for (Field f : FIELDS) f.set().set(engine, 42);
      for (Field f : FIELDS) assertEquals(f.initial(), f.get().applyAsInt(other), f.name());
    } finally {
      MarluJNI.delete_Tovrin(other);
    }
  }

  @Test
  void setterWithHandleZeroDoesNothing() {
    for (Field f : FIELDS) {
      assertDoesNotThrow(() -> f.set().set(0L, 5), f.name());
      assertEquals(f.initial(), f.get().applyAsInt(engine), f.name());
    }
  }

  @Test
  void getterWithHandleZeroRaisesNullPointerException() {
    for (Field f : FIELDS) {
      NullPointerException e =
          assertThrows(NullPointerException.class, () -> f.get().applyAsInt(0L), f.name());
      assertEquals("Attempt to use a null Tovrin handle", e.getMessage(), f.name());
    }
  }
}
