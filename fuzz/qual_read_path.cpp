// Quality readers on a named file: ReadQual into a collection and into one record.
#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = WriteScratch(data, size);
    FASTAFile f;
    SequenceQualityVector v;
    f.ReadQual(path, v);
    SequenceQuality q;
    f.ReadQual(path, q);
    return 0;
}
