// Filtering FASTA reader on a named file: exactly the records of the model
// (FastaModel.h), into a collection and, first record only, into one record.
#include "fileio/FASTAFile.h"
#include "fuzz/FastaModel.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = WriteScratch(data, size);
    const std::vector<ModelRecord> model = ModelRead0(std::string(reinterpret_cast<const char*>(data), size));
    FASTAFile f;
    SequenceVector v;
    FUZZ_CHECK(f.Read0(path, v));
    FUZZ_CHECK(v.mSeqs.size() == model.size());
    for (size_t i = 0; i < model.size(); ++i) {
        FUZZ_CHECK(v.mSeqs[i].mName.empty());
        FUZZ_CHECK(v.mSeqs[i].mDescription == model[i].mDescription);
        FUZZ_CHECK(std::string(v.mSeqs[i].mBases.begin(), v.mSeqs[i].mBases.end()) == model[i].mBases);
    }
    Sequence one;
    one.mDescription = "untouched";
    f.Read0(path, one);
    FUZZ_CHECK(one.mDescription == (model.empty() ? "untouched" : model[0].mDescription));
    return 0;
}
