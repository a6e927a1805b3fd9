// Standard FASTA reader: Read into a collection must give exactly the records
// of the model (FastaModel.h); Read into one record gives the first of them;
// Append of the same text adds them after the ones already there.
#include <sstream>

#include "fileio/FASTAFile.h"
#include "fuzz/FastaModel.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

static void ExpectRecord(const ModelRecord& m, const Sequence& s) {
    FUZZ_CHECK(s.mName == m.mName);
    FUZZ_CHECK(s.mDescription == m.mDescription);
    FUZZ_CHECK(std::string(s.mBases.begin(), s.mBases.end()) == m.mBases);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<ModelRecord> model = ModelRead(text);
    FASTAFile f;
    SequenceVector v;
    {
        std::istringstream in(text);
        const bool ok = f.Read(in, v);
        FUZZ_CHECK(ok == !model.empty());
        FUZZ_CHECK(v.mSeqs.size() == model.size());
        for (size_t i = 0; i < model.size(); ++i) ExpectRecord(model[i], v.mSeqs[i]);
    }
    {
        std::istringstream in(text);
        Sequence s;
        s.mName = "untouched";
        f.Read(in, s);
        if (model.empty()) FUZZ_CHECK(s.mName == "untouched");
        else ExpectRecord(model[0], s);
    }
    {
        // Text before the first header extends the last record already held.
        std::istringstream in(text);
        f.Append(in, v);
        FUZZ_CHECK(v.mSeqs.size() == 2 * model.size());
        for (size_t i = 1; i < model.size(); ++i) ExpectRecord(model[i], v.mSeqs[model.size() + i]);
    }
    return 0;
}
