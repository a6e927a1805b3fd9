// Split: the first input byte gives the delimiter's length (0..3), the next
// bytes the delimiter. The fields joined by the delimiter give the text back.
#include "fuzz/FuzzSupport.h"
#include "text/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    const int len = input.Byte() % 4;
    std::string delimiter;
    for (int i = 0; i < len; ++i) delimiter.push_back(static_cast<char>(input.Byte()));
    const std::string s = input.Rest();
    std::vector<std::string> out{"stale"};
    Split(s, out, delimiter);
    if (out.empty()) {
        FUZZ_CHECK(s.find(delimiter) == std::string::npos);
        return 0;
    }
    std::string joined = out[0];
    for (size_t i = 1; i < out.size(); ++i) joined += delimiter + out[i];
    FUZZ_CHECK(joined == s);
    return 0;
}
