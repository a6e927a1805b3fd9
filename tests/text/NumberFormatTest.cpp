#include "text/NumberFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

TEST(NumberFormatTest, Integers) {
    struct { int v; const char* text; } cases[] = {
        {INT_MIN, "-2147483648"}, {0, "0"}, {INT_MAX, "2147483647"}, {-7, "-7"},
    };
    for (auto& c : cases) {
        EXPECT_EQ(itoa(c.v), c.text);
        EXPECT_EQ(itostring(c.v), c.text);
    }
}

TEST(NumberFormatTest, Floats) {
    EXPECT_EQ(ftoa(1.5f), "1.500000");
    EXPECT_EQ(ftoa(0.1f), "0.100000");
    EXPECT_EQ(ftostring(-2.25f), "-2.250000");
    EXPECT_EQ(ftoa(3.4028234663852886e38f), "340282346638528859811704183484516925440.000000");
    EXPECT_EQ(ftoa(2.5f, "%.1f"), "2.5");
    EXPECT_EQ(ftoa(2.5f, "x=%08.3lf%%"), "x=0002.500%");
    EXPECT_EQ(ftoa(0.1f, "%.10e"), "1.0000000149e-01");
}

TEST(NumberFormatTest, FormatsThatDoNotTakeOneDoubleGiveEmpty) {
    for (const char* f : {"%d", "%s", "%f %f", "plain", "%*f", "%", "%n", "%.1f%"})
        EXPECT_EQ(ftoa(1.0f, f), "") << f;
}

TEST(NumberFormatTest, OversizedOutputIsCut) {
    std::string s = ftoa(1.0f, "%70000f");
    EXPECT_EQ(s.size(), 65535u);
    EXPECT_EQ(s.back(), ' ');
}

TEST(NumberFormatTest, Atoi) {
    struct { std::string text; int v; } cases[] = {
        {"  42abc", 42}, {"abc", 0}, {"-7", -7}, {"+8", 8}, {"", 0}, {"\r\t 5", 5},
        {"- 5", 0}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
        {"-2147483648", INT_MIN}, {std::string("1\0" "2", 3), 1},
    };
    for (auto& c : cases) EXPECT_EQ(atoi(c.text), c.v) << c.text;
}

TEST(NumberFormatTest, Sprintf) {
    std::string out = "stale";
    sprintf(16, out, "%d-%d", 3, 4);
    EXPECT_EQ(out, "3-4");
    sprintf(4, out, "%s", "abcdef");  // cut to size - 1 characters
    EXPECT_EQ(out, "abc");
    sprintf(1, out, "%d", 5);
    EXPECT_EQ(out, "");
    out = "stale";
    sprintf(0, out, "%d", 5);
    EXPECT_EQ(out, "");
    sprintf(-3, out, "%d", 5);
    EXPECT_EQ(out, "");
}

}  // namespace
