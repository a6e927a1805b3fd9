// GetNextWSDelimitedString: walks every word from every start in a window
// (including -1 and past the end); words hold no white space and the scan
// always moves forward.
#include <algorithm>

#include "fuzz/FuzzSupport.h"
#include "text/StringUtil.h"

static bool IsWS(char c) { return c == ' ' || c == '\t' || c == '\n'; }

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string s(reinterpret_cast<const char*>(data), size);
    const int n = static_cast<int>(s.size());
    for (int start = -1; start <= std::min(n + 1, 16); ++start) {
        int pos = start;
        size_t words = 0;
        while (true) {
            int next = -7;
            const std::string w = GetNextWSDelimitedString(s, pos, next);
            FUZZ_CHECK(next == -1 || (next > pos && next <= n));
            for (char c : w) FUZZ_CHECK(!IsWS(c));
            FUZZ_CHECK(w.size() <= s.size());
            if (next == -1) break;
            FUZZ_CHECK(!w.empty());  // a word ended by a delimiter is never empty
            FUZZ_CHECK(++words <= s.size());
            pos = next;
        }
    }
    return 0;
}
