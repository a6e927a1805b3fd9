// Streaming FASTA reader (FASTAFile::GetNextRead) with a buffer size from the
// first input byte, so that long lines and headers meet small buffers.
#include <memory>
#include <sstream>

#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    SilenceStdout();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    const int bufSize = input.Byte();  // 0 and 1 are refused by the reader
    const std::string text = input.Rest();
    // The exact size, so that ASan sees any write past it.
    std::unique_ptr<char[]> buf(new char[bufSize > 0 ? bufSize : 1]);
    buf[0] = '1';
    std::istringstream in(text);
    FASTAFile f;
    Sequence s;
    size_t calls = 0;
    while (in.good()) {
        if (!f.GetNextRead(in, buf.get(), bufSize, s)) break;
        FUZZ_CHECK(s.mBases.size() <= text.size());
        FUZZ_CHECK(++calls <= text.size() + 2);  // every call consumes a line
    }
    return 0;
}
