// Parsers on arbitrary text: every scan ends, positions stay inside the string
// and move forward. Run under the sanitizer build this also guards against
// out-of-range reads.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "text/StringUtil.h"

namespace {

std::string RandomText(std::mt19937& rng) {
    static const char alphabet[] = "0123456789-+.eE \t\n\rx,:\0";
    std::uniform_int_distribution<int> len(0, 40), pick(0, sizeof alphabet - 1);
    std::string s(static_cast<size_t>(len(rng)), ' ');
    for (char& c : s) c = alphabet[pick(rng)];
    return s;
}

TEST(ParseRobustnessTest, RandomTextsStayInBoundsAndTerminate) {
    std::mt19937 rng(20261211);
    std::uniform_int_distribution<int> anyStart(-3, 45);
    for (int round = 0; round < 20000; ++round) {
        const std::string s = RandomText(rng);
        const int n = static_cast<int>(s.size());
        const int start = anyStart(rng);

        int next = 0;
        for (int p = start, steps = 0; p != -1; p = next, ++steps) {
            std::string w = GetNextWSDelimitedString(s, p, next);
            ASSERT_TRUE(next == -1 || (next > p && next <= n)) << s;
            ASSERT_LE(steps, n + 1);
        }

        int b = 0, e = 0;
        if (FindNextDouble(s, start, b, e) == 0) {
            ASSERT_TRUE(b >= start && b <= e && e < n) << s;
            GetNextDouble(s, start, next);
            ASSERT_EQ(next, e + 1);
        } else {
            ASSERT_EQ(b, -1);
            ASSERT_EQ(GetNextDouble(s, start, next), 0.0);
            ASSERT_EQ(next, -1);
        }
        if (FindNextInteger(s, start, b, e) == 0) {
            ASSERT_TRUE(b >= start && b <= e && e < n) << s;
            for (int i = b; i <= e; ++i) ASSERT_TRUE(s[i] >= '0' && s[i] <= '9');
        }

        std::vector<int> ints;
        std::vector<double> doubles;
        ASSERT_LE(GetAllIntegers(s, ints), n);
        ASSERT_LE(GetAllDoubles(s, doubles), n);
        GetIntsFromLine(s, ints);
        std::string buf = s + '\0';
        GetIntsFromLine(&buf[0], ints);

        std::vector<std::string> fields;
        Split(s, fields, s.substr(0, static_cast<size_t>(round % 3)));
        ASSERT_LE(fields.size(), s.size() + 2);
        std::string field;
        CutString(s, field, start, ':');
        ASSERT_LE(field.size(), s.size());
    }
}

}  // namespace
