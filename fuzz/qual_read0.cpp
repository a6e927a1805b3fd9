// Plain quality reader on a named file (FASTAFile::ReadQual0).
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
    f.ReadQual0(path, v);
    return 0;
}
