// GetNextDouble over every number of the text (GetAllDoubles' loop), from
// every start in a window; the scan always moves forward and terminates.
#include <cmath>

#include <algorithm>

#include "fuzz/FuzzSupport.h"
#include "text/StringUtil.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string s(reinterpret_cast<const char*>(data), size);
    const int n = static_cast<int>(s.size());
    for (int start = -1; start <= std::min(n + 1, 16); ++start) {
        int pos = start;
        size_t numbers = 0;
        while (true) {
            int next = -7;
            const double v = GetNextDouble(s, pos, next);
            FUZZ_CHECK(!std::isnan(v));
            if (next == -1) {
                FUZZ_CHECK(v == 0.0);
                break;
            }
            FUZZ_CHECK(next > pos && next <= n);
            FUZZ_CHECK(++numbers <= s.size());
            pos = next;
            if (pos >= n) break;
        }
        int b = 0, e = 0;
        if (FindNextDouble(s, start, b, e) == 0) FUZZ_CHECK(0 <= b && b <= e && e < n);
        else FUZZ_CHECK(b == -1 && e == -1);
    }
    std::vector<double> all;
    FUZZ_CHECK(GetAllDoubles(s, all) == static_cast<int>(all.size()));
    return 0;
}
