// Quality readers on a named file: ReadQual into a collection (the model of
// QualModel.h) and into one record (its first record).
#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/QualModel.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = WriteScratch(data, size);
    const std::vector<ModelQual> model = ModelReadQual(std::string(reinterpret_cast<const char*>(data), size), true);
    FASTAFile f;
    SequenceQualityVector v;
    FUZZ_CHECK(f.ReadQual(path, v) == !model.empty());
    ExpectQuals(model, v);
    SequenceQuality q;
    q.mName = "untouched";
    f.ReadQual(path, q);
    if (!model.empty()) {
        FUZZ_CHECK(q.mName == model[0].mName);
        FUZZ_CHECK(q.mQuals == model[0].mValues);
    }
    return 0;
}
