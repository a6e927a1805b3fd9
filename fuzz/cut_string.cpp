// CutString: the first input byte is the delimiter. Fields 1, 2, ... until the
// first false joined by it give the text back; n = 0 gives the whole text and
// negative n nothing.
#include "fuzz/FuzzSupport.h"
#include "text/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    const char c = static_cast<char>(input.Byte());
    const std::string s = input.Rest();
    std::string out = "stale";
    FUZZ_CHECK(CutString(s, out, 0, c) && out == s);
    FUZZ_CHECK(!CutString(s, out, -1, c) && out.empty());
    FUZZ_CHECK(!Cut(s, out, INT32_MIN, c) && out.empty());

    std::string joined;
    int n = 1;
    for (; CutString(s, out, n, c); ++n) {
        if (n > 1) joined += c;
        joined += out;
        FUZZ_CHECK(n <= static_cast<int>(s.size()) + 1);
    }
    FUZZ_CHECK(out.empty());
    FUZZ_CHECK(joined == s);
    FUZZ_CHECK(!CutString(s, out, INT32_MAX, c) || n > static_cast<int>(s.size()));
    return 0;
}
