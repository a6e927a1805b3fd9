/** Creates an engine, sets its scale and prints it back. */
public class ScaleDemo {
  public static void main(String[] args) {
    long engine = MarluJNI.new_Tovrin();
    try {
      MarluJNI.Tovrin_SetScale(engine, 50);
      System.out.println("scale " + MarluJNI.Tovrin_GetScale(engine));
    } finally {
      MarluJNI.delete_Tovrin(engine);
    }
  }
}
