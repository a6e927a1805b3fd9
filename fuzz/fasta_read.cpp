// Standard FASTA reader: Read into a collection and into one record, and Append.
#include <sstream>

#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    FASTAFile f;
    SequenceVector v;
    {
        std::istringstream in(text);
        const bool ok = f.Read(in, v);
        FUZZ_CHECK(ok == !v.mSeqs.empty());
        size_t bases = 0;
        for (const Sequence& s : v.mSeqs) bases += s.mBases.size();
        FUZZ_CHECK(bases <= size);  // nothing invented
    }
    {
        std::istringstream in(text);
        Sequence s;
        f.Read(in, s);
    }
    {
        // Appending the same text again: the earlier records stay in front.
        const size_t before = v.mSeqs.size();
        std::istringstream in(text);
        f.Append(in, v);
        FUZZ_CHECK(v.mSeqs.size() >= before);
    }
    return 0;
}
