// Plain quality reader on a named file (FASTAFile::ReadQual0): the whole
// header is the description; otherwise the records of the model (QualModel.h).
#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/QualModel.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = WriteScratch(data, size);
    FASTAFile f;
    SequenceQualityVector v;
    FUZZ_CHECK(f.ReadQual0(path, v));
    ExpectQuals(ModelReadQual(std::string(reinterpret_cast<const char*>(data), size), false), v);
    return 0;
}
