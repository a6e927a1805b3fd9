// Streaming reads into packed sequences: Sequence3Bit::GetNextRead (target
// packed_stream) or, built with FUZZ_TRIM_LOW_QUAL, GetNextReadTrimLowQual
// (packed_stream_trim), with a buffer size from the first input byte.
#include <memory>
#include <sstream>

#include "fuzz/FuzzSupport.h"
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
    size_t calls = 0;
    while (!StreamDone(in)) {
        const bool ok = trim ? read.GetNextReadTrimLowQual(in, buf.get(), bufSize)
                             : read.GetNextRead(in, buf.get(), bufSize);
        if (!ok) break;
        FUZZ_CHECK(read.mBaseSize >= 0 && static_cast<size_t>(read.mBaseSize) <= text.size());
        FUZZ_CHECK(read.mWords.size() * 10 >= static_cast<size_t>(read.mBaseSize));
        for (int i = 0; i < read.mBaseSize; ++i) (void)read.Code(i);  // every stored base is readable
        FUZZ_CHECK(++calls <= text.size() + 2);
    }
    return 0;
}
