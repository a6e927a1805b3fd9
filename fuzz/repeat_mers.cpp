// MerSet::ReadRepeatMers on a k-mer count table, with k and the minimum count
// from the first two input bytes; then membership of every word of the text.
#include <sstream>

#include "fuzz/FuzzSupport.h"
#include "kmer/Mer.h"
#include "kmer/MerSet.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    Mer::mMerSize = 1 + input.Byte() % 32;
    const int minCount = static_cast<int8_t>(input.Byte());
    std::istringstream in(input.Rest());
    MerSet set;
    set.ReadRepeatMers(in, minCount);
    Mer::mMerSize = 32;
    return 0;
}
