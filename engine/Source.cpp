#include "engine/Tovrin.h"

#include <fstream>
#include <iostream>

// The index reads the records itself and keeps them packed; an unopenable file
// is an empty stream to it, so a missing source simply adds nothing.
void Tovrin::ReadSource(std::string path) {
  std::ifstream in(path.c_str());
  mSourceIndex.AddToHashMapSampled(in, 0, 1, 1);
}

void Tovrin::ReadSourceThinned(std::string path) {
  if (mThinModulus == 0) {
    std::cout << "ReadSourceThinned: thinning modulus is 0; nothing read" << std::endl;
    return;
  }
  std::ifstream in(path.c_str());
  mSourceIndex.AddToHashMapThinned(in, 0, 1, mThinModulus, mThinRemainder);
}

// A k-mer holds at most 32 bases in its 64-bit value.
void Tovrin::SetMerSize(int k) {
  if (k < 1 || k > 32) {
    std::cout << "SetMerSize: k-mer length " << k << " is outside 1 to 32; keeping " << Mer::mMerSize
              << std::endl;
    return;
  }
  Mer::mMerSize = k;
}
