// Standard quality reader on a stream (FASTAFile::ReadQual): exactly the
// records of the model (QualModel.h).
#include <sstream>

#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/QualModel.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<ModelQual> model = ModelReadQual(text, true);
    std::istringstream in(text);
    FASTAFile f;
    SequenceQualityVector v;
    FUZZ_CHECK(f.ReadQual(in, v) == !model.empty());
    ExpectQuals(model, v);
    return 0;
}
