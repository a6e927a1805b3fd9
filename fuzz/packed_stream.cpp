// Streaming reads into packed sequences: Sequence3Bit::GetNextRead (target
// packed_stream) or, built with FUZZ_TRIM_LOW_QUAL, GetNextReadTrimLowQual
// (packed_stream_trim), with a buffer size from the first input byte. Without
// trimming, on text without NUL bytes, every read must be the model's
// (StreamModel.h), base by base as 3-bit codes.
#include <memory>
#include <sstream>

#include <cstring>

#include "fuzz/FuzzSupport.h"
#include "fuzz/StreamModel.h"
#include "kmer/Sequence3Bit.h"
#include "kmer/StreamRead.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
#ifdef FUZZ_TRIM_LOW_QUAL
    const bool trim = true;
#else
    const bool trim = false;
#endif
    const int bufSize = 2 + input.Byte();
    const std::string text = input.Rest();
    std::unique_ptr<char[]> buf(new char[bufSize]);
    buf[0] = '1';
    buf[1] = 0;
    std::istringstream in(text);
    Sequence3Bit read;
    std::vector<Sequence3Bit> got;
    size_t calls = 0;
    while (!StreamDone(in)) {
        const bool ok = trim ? read.GetNextReadTrimLowQual(in, buf.get(), bufSize)
                             : read.GetNextRead(in, buf.get(), bufSize);
        if (!ok) break;
        FUZZ_CHECK(read.mBaseSize >= 0 && static_cast<size_t>(read.mBaseSize) <= text.size());
        FUZZ_CHECK(read.mWords.size() * 10 >= static_cast<size_t>(read.mBaseSize));
        for (int i = 0; i < read.mBaseSize; ++i) (void)read.Code(i);  // every stored base is readable
        FUZZ_CHECK(++calls <= text.size() + 2);
        if (!trim) got.push_back(read);
    }
    if (trim || memchr(text.data(), 0, text.size())) return 0;
    const std::vector<StreamRecord> model = ModelStream(text, bufSize);
    FUZZ_CHECK(got.size() == model.size());
    for (size_t i = 0; i < model.size(); ++i) {
        FUZZ_CHECK(got[i].mName == model[i].mName);
        FUZZ_CHECK(got[i].mDescription == model[i].mDescription);
        FUZZ_CHECK(got[i].mBaseSize == static_cast<int>(model[i].mBases.size()));
        for (int b = 0; b < got[i].mBaseSize; ++b)
            FUZZ_CHECK(got[i].Code(b) == ((static_cast<unsigned char>(model[i].mBases[b]) >> 1) & 7u));
    }
    return 0;
}
