// Streaming FASTA reader (FASTAFile::GetNextRead) with a buffer size from the
// first input byte, so that long lines and headers meet small buffers. Called
// while the stream is good, as a caller does; on text without NUL bytes every
// record must be the model's (StreamModel.h).
#include <cstring>
#include <memory>
#include <sstream>

#include "fileio/FASTAFile.h"
#include "fuzz/FuzzSupport.h"
#include "fuzz/StreamModel.h"

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
    std::vector<StreamRecord> got;
    while (in.good()) {
        if (!f.GetNextRead(in, buf.get(), bufSize, s)) break;
        got.push_back(StreamRecord{s.mName, s.mDescription, std::string(s.mBases.begin(), s.mBases.end())});
        FUZZ_CHECK(got.size() <= text.size() + 2);  // every call consumes a line
    }
    if (bufSize < 2) {
        FUZZ_CHECK(got.empty());
        return 0;
    }
    if (memchr(text.data(), 0, text.size())) return 0;
    const std::vector<StreamRecord> model = ModelStream(text, bufSize);
    FUZZ_CHECK(got.size() == model.size());
    for (size_t i = 0; i < model.size(); ++i) {
        FUZZ_CHECK(got[i].mName == model[i].mName);
        FUZZ_CHECK(got[i].mDescription == model[i].mDescription);
        FUZZ_CHECK(got[i].mBases == model[i].mBases);
    }
    return 0;
}
