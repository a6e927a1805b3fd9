// Replaces the global allocation functions of the test program with malloc/free
// ones that can be made to fail. Every variant is replaced so that allocation
// and release always pair up (the sanitizers check that).
#include "jni/FailingNew.h"

#include <cstdlib>
#include <new>

namespace {
bool gFail = false;

void* Allocate(std::size_t n) {
  if (gFail) return nullptr;
  return std::malloc(n ? n : 1);
}

void* AllocateOrThrow(std::size_t n) {
  void* p = Allocate(n);
  if (!p) throw std::bad_alloc();
  return p;
}
}  // namespace

NoMemory::NoMemory() { gFail = true; }
NoMemory::~NoMemory() { gFail = false; }
AllowMemory::AllowMemory() : mWasFailing(gFail) { gFail = false; }
AllowMemory::~AllowMemory() { gFail = mWasFailing; }

void* operator new(std::size_t n) { return AllocateOrThrow(n); }
void* operator new[](std::size_t n) { return AllocateOrThrow(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return Allocate(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }
