// Both GetIntsFromLine forms on the same text (up to its first NUL) must give
// the same values; the buffer form must not touch a byte past the terminator.
#include <cstring>
#include <memory>

#include "fuzz/FuzzSupport.h"
#include "text/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const std::string line(text, strnlen(text, size));

    std::vector<int> fromString{-5};
    GetIntsFromLine(line, fromString);
    // Exact size so that ASan sees any access past the terminator.
    std::unique_ptr<char[]> buf(new char[line.size() + 1]);
    memcpy(buf.get(), line.c_str(), line.size() + 1);
    std::vector<int> fromBuffer{-5};
    GetIntsFromLine(buf.get(), fromBuffer);
    FUZZ_CHECK(fromString == fromBuffer);
    FUZZ_CHECK(buf[line.size()] == 0);

    // The whole input, NULs included, through the string form.
    std::vector<int> all;
    GetIntsFromLine(std::string(text, size), all);
    return 0;
}
