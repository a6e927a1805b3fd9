#ifndef TOVRIN_TESTS_JNI_FAILINGNEW_H
#define TOVRIN_TESTS_JNI_FAILINGNEW_H

// While a NoMemory object lives, every global operator new of this test
// program fails (throwing or returning null, by variant).
class NoMemory {
public:
  NoMemory();
  ~NoMemory();
  NoMemory(const NoMemory&) = delete;
  NoMemory& operator=(const NoMemory&) = delete;
};

// Lets allocations succeed again for its lifetime, inside a NoMemory scope
// (the fake JVM's own bookkeeping does not share the native heap's fate).
class AllowMemory {
public:
  AllowMemory();
  ~AllowMemory();
  AllowMemory(const AllowMemory&) = delete;
  AllowMemory& operator=(const AllowMemory&) = delete;

private:
  bool mWasFailing;
};

#endif
