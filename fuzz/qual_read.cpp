// Standard quality reader on a stream (FASTAFile::ReadQual).
#include <sstream>

#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    FASTAFile f;
    SequenceQualityVector v;
    f.ReadQual(in, v);
    return 0;
}
