// Filtering FASTA reader on a named file, into a collection and into one record.
#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"
#include "text/StringUtil.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = WriteScratch(data, size);
    FASTAFile f;
    SequenceVector v;
    f.Read0(path, v);
    for (const Sequence& s : v.mSeqs)
        for (char c : s.mBases) FUZZ_CHECK(IsBase(c));  // only base letters are kept
    Sequence one;
    f.Read0(path, one);
    return 0;
}
