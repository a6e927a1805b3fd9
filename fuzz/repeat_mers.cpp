// MerSet::ReadRepeatMers on a k-mer count table, with k and the minimum count
// from the first two input bytes. The set must hold exactly the k-mers of the
// lines (cut at '\n' and at any NUL) whose first word has k letters and whose
// count reaches the minimum; a word of another length adds nothing.
#include <cstdint>
#include <set>
#include <sstream>

#include "fuzz/FastaModel.h"
#include "fuzz/FuzzSupport.h"
#include "kmer/Mer.h"
#include "kmer/MerSet.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    Mer::mMerSize = 1 + input.Byte() % 32;
    const int minCount = static_cast<int8_t>(input.Byte());
    const std::string text = input.Rest();
    std::istringstream in(text);
    MerSet set;
    set.ReadRepeatMers(in, minCount);

    std::set<uint64_t> model;
    for (const std::string& line : ModelLines(text)) {
        int pos = 0;
        const std::string word = SplitNext(line, pos);
        if (NextInt(line, pos) >= minCount && static_cast<int>(word.size()) == Mer::mMerSize)
            model.insert(Mer(word).Value());
    }
    // An empty text or one ending in '\n' still has its (empty) last line read: no word, nothing added.
    std::set<uint64_t> got;
    for (const Mer& m : set.mMers) got.insert(m.Value());
    FUZZ_CHECK(got == model);
    Mer::mMerSize = 32;
    return 0;
}
