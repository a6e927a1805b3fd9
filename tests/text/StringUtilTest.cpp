#include "text/StringUtil.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "text/Globals.h"

namespace {

using Strings = std::vector<std::string>;

TEST(GlobalsTest, CharacterClassesAndZeroFilledBuffers) {
    EXPECT_EQ(gWS, std::string(" \t\n"));
    EXPECT_EQ(gNumbers, "1234567890");
    EXPECT_EQ(gLetters, "abcdefghijklmnopqrstuvwxyz");
    EXPECT_EQ(gUCLetters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(sizeof readbuf, 300000u);
    EXPECT_EQ(sizeof gseqbuf2, 500000u);
    // gseqbuf2 is not touched by the text utilities: still as loaded.
    for (size_t i = 0; i < sizeof gseqbuf2; ++i) ASSERT_EQ(gseqbuf2[i], 0) << i;
}

struct WordCase {
    std::string s;
    int start;
    std::string word;
    int next;
};

TEST(GetNextWSDelimitedStringTest, Table) {
    const WordCase cases[] = {
        {"  ab\tcd", 0, "ab", 5},
        {"  ab\tcd", 5, "cd", -1},
        {"  ab\tcd", -1, "", -1},
        {"  ab\tcd", 7, "", -1},        // at the end
        {"  ab\tcd", 100, "", -1},      // beyond the end
        {"", 0, "", -1},
        {" \t\n", 0, "", -1},           // white space only
        {"ab\r\ncd", 0, "ab\r", 4},     // a carriage return is part of the word
        {"ab \n", 0, "ab", 3},
        {"ab \n", 3, "", -1},
        {"x", 0, "x", -1},
        {std::string("a\0b c", 5), 0, std::string("a\0b", 3), 4},  // NUL is an ordinary byte
    };
    for (const WordCase& c : cases) {
        int next = 12345;
        EXPECT_EQ(GetNextWSDelimitedString(c.s, c.start, next), c.word) << c.s << " @" << c.start;
        EXPECT_EQ(next, c.next) << c.s << " @" << c.start;
    }
}

TEST(GetNextWSDelimitedStringTest, LoopCollectsEveryWordIncludingTheLast) {
    for (auto* NextWord : {&SplitNext, &NextString}) {
        std::string s = ">chr1 some  description\there";
        Strings words;
        int pos = 0;
        while (pos != -1) {
            std::string w = NextWord(s, pos);
            if (!w.empty()) words.push_back(w);
        }
        EXPECT_EQ(words, (Strings{">chr1", "some", "description", "here"}));
    }
}

struct SplitCase {
    std::string s, delim;
    Strings fields;
};

TEST(SplitTest, Table) {
    const SplitCase cases[] = {
        {"abc", ",", {}},
        {"a,b", ",", {"a", "b"}},
        {"a,b,", ",", {"a", "b", ""}},
        {",a", ",", {"", "a"}},
        {"a,,b,c", ",", {"a", ",b,c"}},
        {"a::b::c", "::", {"a", "b", "c"}},
        {"a::::b", "::", {"a", "::b"}},
        {"", ",", {}},
        {",", ",", {"", ""}},
        {"abc", "", {"", "abc"}},   // empty delimiter: terminates, nothing lost
        {"ab", "abc", {}},          // delimiter longer than the string
    };
    for (const SplitCase& c : cases) {
        Strings out = {"stale"};
        Split(c.s, out, c.delim);
        EXPECT_EQ(out, c.fields) << "'" << c.s << "' at '" << c.delim << "'";
    }
}

struct CutCase {
    std::string s;
    int n;
    char c;
    bool ok;
    std::string out;
};

TEST(CutStringTest, Table) {
    const CutCase cases[] = {
        {"a:b:c", 1, ':', true, "a"},
        {"a:b:c", 2, ':', true, "b"},
        {"a:b:c", 3, ':', true, "c"},
        {"a:b:c", 4, ':', false, ""},
        {"a:b:c", 0, ':', true, "a:b:c"},
        {"a:b:c", -1, ':', false, ""},
        {"a:b:c", INT_MIN, ':', false, ""},
        {"a:b:c", INT_MAX, ':', false, ""},
        {"abc", 1, ':', true, "abc"},
        {"abc", 2, ':', false, ""},
        {"a::c", 2, ':', true, ""},
        {"a:b:", 3, ':', true, ""},
        {":", 1, ':', true, ""},
        {":", 2, ':', true, ""},
        {"", 1, ':', true, ""},
        {"", 2, ':', false, ""},
    };
    for (const CutCase& c : cases) {
        std::string out = "stale";
        EXPECT_EQ(CutString(c.s, out, c.n, c.c), c.ok) << c.s << " field " << c.n;
        EXPECT_EQ(out, c.out) << c.s << " field " << c.n;
        std::string out2 = "stale";
        EXPECT_EQ(Cut(c.s, out2, c.n, c.c), c.ok);
        EXPECT_EQ(out2, c.out);
    }
}

struct KeyCase {
    Strings keys;
    std::string s;
    int start;
    int result, begin, end;
};

TEST(FindNextOfTest, Table) {
    const KeyCase cases[] = {
        {{"ab", "a"}, "xab", 0, 0, 1, 2},   // equal positions: first key wins
        {{"a", "ab"}, "xab", 0, 0, 1, 1},
        {{"zz", "b"}, "xab", 0, 1, 2, 2},   // earliest occurrence wins
        {{"ab"}, "xab", 2, 0, -1, -1},      // not from start on
        {{"q"}, "xab", 0, 0, -1, -1},
        {{}, "xab", 0, 0, -1, -1},
        {{"a"}, "xab", -1, 0, -1, -1},
        {{"a"}, "xab", 9, 0, -1, -1},
        {{"b", ""}, "xab", 1, 1, 1, 0},     // an empty key occurs at start itself
    };
    for (const KeyCase& c : cases) {
        int begin = 77, end = 77;
        EXPECT_EQ(FindNextOf(c.keys, c.s, c.start, begin, end), c.result) << c.s << " @" << c.start;
        EXPECT_EQ(begin, c.begin) << c.s << " @" << c.start;
        EXPECT_EQ(end, c.end) << c.s << " @" << c.start;
    }
}

TEST(GetNextKeywordTest, FoundAndNotFound) {
    Strings keys = {"ID:", "AC"};
    std::string s = "xx AC yy ID: 3";
    std::string keyword = "old";
    int next = 0;
    EXPECT_TRUE(GetNextKeyword(keys, s, 0, next, keyword));
    EXPECT_EQ(keyword, "AC");
    EXPECT_EQ(next, 5);
    EXPECT_TRUE(GetNextKeyword(keys, s, next, next, keyword));
    EXPECT_EQ(keyword, "ID:");
    EXPECT_EQ(next, 12);
    EXPECT_FALSE(GetNextKeyword(keys, s, next, next, keyword));
    EXPECT_EQ(next, -1);
    EXPECT_EQ(keyword, "ID:");  // unchanged
    EXPECT_FALSE(GetNextKeyword(keys, s, next, next, keyword));  // from -1
}

TEST(StringTestsTest, StartsWithContainsAndClasses) {
    std::string s = "abcabc";
    EXPECT_TRUE(StartsWith(s, std::string("abc")));
    EXPECT_TRUE(StartsWith(s, "abc"));
    EXPECT_TRUE(StartsWith(s, ""));
    EXPECT_FALSE(StartsWith(s, "bc"));    // occurs, but not at 0
    EXPECT_FALSE(StartsWith(s, "abcabcd"));
    EXPECT_TRUE(StartsWith(std::string(), ""));
    EXPECT_TRUE(Contains(s, "ca"));
    EXPECT_TRUE(Contains(s, std::string()));
    EXPECT_FALSE(Contains(s, std::string("cc")));
    EXPECT_FALSE(Contains(std::string(), "a"));

    EXPECT_TRUE(ContainsOnlyWS(""));
    EXPECT_TRUE(ContainsOnlyWS(" \t\n "));
    EXPECT_FALSE(ContainsOnlyWS(" \r "));

    struct { std::string s; int from, to; bool ok; } digits[] = {
        {"12345", 0, 4, true}, {"12a45", 0, 4, false}, {"12a45", 3, 4, true},
        {"12a45", 0, 1, true}, {"12a45", 2, 2, false}, {"", 0, 0, true},
        {"12a45", 9, 20, true}, {"12a", -1, 2, true}, {"a", 0, -1, true},
    };
    for (auto& d : digits)
        EXPECT_EQ(ContainsOnlyDigits(d.s, d.from, d.to), d.ok) << d.s << " " << d.from << ".." << d.to;

    const std::string yes = "ACGNTXacgntx";
    for (int c = -128; c < 128; ++c)
        EXPECT_EQ(IsBase(static_cast<char>(c)), c > 0 && yes.find(static_cast<char>(c)) != std::string::npos) << c;
}

TEST(EditingTest, StripAndCase) {
    struct { std::string in, leading, trailing, all; } strips[] = {
        {" \t\n", "", "", ""},
        {" a b\tc\n", "a b\tc\n", " a b\tc", "abc"},
        {"\r x \r", "\r x \r", "\r x \r", "\rx\r"},   // carriage returns stay
        {"", "", "", ""},
        {"abc", "abc", "abc", "abc"},
        {"\n\nab  ", "ab  ", "\n\nab", "ab"},
    };
    for (auto& c : strips) {
        std::string a = c.in, b = c.in, d = c.in;
        StripLeadingSpaces(a);
        StripTrailingSpace(b);
        StripWhiteSpace(d);
        EXPECT_EQ(a, c.leading);
        EXPECT_EQ(b, c.trailing);
        EXPECT_EQ(d, c.all);
    }
    std::string s = "AbZz09-\xc4\xe4";
    ToLowerCase(s);
    EXPECT_EQ(s, "abzz09-\xc4\xe4");
    ToUpperCase(s);
    EXPECT_EQ(s, "ABZZ09-\xc4\xe4");
}

struct IntCase {
    std::string s;
    int start;
    int value, next;
};

TEST(GetNextIntegerTest, Table) {
    const IntCase cases[] = {
        {"abc", 0, 0, -1},
        {"5-3", 1, -3, 3},
        {"5-3", 0, 5, 1},
        {"+7", 0, 7, 2},
        {"- 7", 0, 7, 3},           // the sign must touch the digits
        {"--7", 0, -7, 3},
        {"x12y", 0, 12, 3},
        {"x12y", 3, 0, -1},
        {"12", -1, 0, -1},
        {"12", 2, 0, -1},
        {"12", 50, 0, -1},
        {"007", 0, 7, 3},
        {"2147483647", 0, INT_MAX, 10},
        {"-2147483648", 0, INT_MIN, 11},
        {"2147483648", 0, INT_MAX, 10},      // saturates
        {"-99999999999999999999999", 0, INT_MIN, 24},
        {"99999999999999999999999999999999999999 1", 0, INT_MAX, 38},
    };
    for (const IntCase& c : cases) {
        int next = 999;
        EXPECT_EQ(GetNextInteger(c.s, c.start, next), c.value) << c.s << " @" << c.start;
        EXPECT_EQ(next, c.next) << c.s << " @" << c.start;
        int next2 = 999;
        EXPECT_EQ(GetNextLong(c.s, c.start, next2), static_cast<long>(c.value)) << c.s;
        EXPECT_EQ(next2, c.next);
    }
}

TEST(GetNextIntegerTest, NextIntWalksAString) {
    std::string s = "x-12 7";
    int pos = 0;
    EXPECT_EQ(NextInt(s, pos), -12);
    EXPECT_EQ(pos, 4);
    EXPECT_EQ(NextInt(s, pos), 7);
    EXPECT_EQ(pos, 6);
    EXPECT_EQ(NextInt(s, pos), 0);
    EXPECT_EQ(pos, -1);
    pos = 0;
    EXPECT_EQ(NextLong(s, pos), -12L);
    EXPECT_EQ(pos, 4);
}

TEST(FindNextIntegerTest, RunBounds) {
    int b = 0, e = 0;
    EXPECT_EQ(FindNextInteger("ab123cd45", 0, b, e), 0);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(e, 4);
    EXPECT_EQ(FindNextInteger("ab123cd45", 5, b, e), 0);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(e, 8);  // the run reaches the end
    EXPECT_EQ(FindNextInteger("ab123cd45", 9, b, e), -1);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(e, -1);
}

struct DoubleCase {
    std::string s;
    std::vector<double> values;  // successive GetNextDouble results from 0
};

TEST(GetNextDoubleTest, Table) {
    const DoubleCase cases[] = {
        {"-12.5", {-12.5}},
        {"-7", {-7.0}},
        {"2.5e-3", {0.0025}},
        {"2.5E+3x", {2500.0}},
        {"1.e5", {1.0, 5.0}},
        {"1.5.3", {1.5, 3.0}},
        {"3e x 10 4", {3.0, 4.0}},  // the exponent's search swallows "x 10"
        {".5", {5.0}},
        {"-.5", {5.0}},
        {"x 0.25 y -3", {0.25, -3.0}},
        {"7.", {7.0}},
        {"7e", {7.0}},
        {"abc", {}},
        {"", {}},
        {"1e999", {HUGE_VAL}},
        {"-1e999", {-HUGE_VAL}},
        {"1e-999", {0.0}},
    };
    for (const DoubleCase& c : cases) {
        std::vector<double> got;
        int p = 0;
        while (p != -1) {
            double v = GetNextDouble(c.s, p, p);
            if (p != -1) got.push_back(v);
            else EXPECT_EQ(v, 0.0);
        }
        EXPECT_EQ(got, c.values) << c.s;
    }
}

TEST(GetNextDoubleTest, FindNextDoubleBoundsAndNextPosition) {
    int b = 0, e = 0, next = 0;
    EXPECT_EQ(FindNextDouble("a 2.5e-3 b", 0, b, e), 0);
    EXPECT_EQ(b, 2);
    EXPECT_EQ(e, 7);
    EXPECT_EQ(FindNextDouble("none", 0, b, e), -1);
    EXPECT_EQ(b, -1);
    EXPECT_EQ(e, -1);
    EXPECT_DOUBLE_EQ(GetNextDouble("-12.5 x", 0, next), -12.5);
    EXPECT_EQ(next, 5);
    EXPECT_EQ(GetNextDouble("12", -1, next), 0.0);
    EXPECT_EQ(next, -1);
    // Decimal numbers whose text runs to the very end of the string.
    EXPECT_EQ(GetNextDouble("1.", 0, next), 1.0);
    EXPECT_EQ(next, 1);
    EXPECT_EQ(GetNextDouble("1e", 0, next), 1.0);
    EXPECT_EQ(next, 1);
    int pos = 0;
    EXPECT_EQ(NextDouble("0.5 2", pos), 0.5);
    EXPECT_EQ(NextFloat("0.5 2", pos), 2.0f);
    EXPECT_EQ(pos, 5);
}

TEST(GetNextDoubleTest, NextFloatRoundsOrOverflowsToInfinity) {
    struct { std::string s; float v; } cases[] = {
        {"0.1", 0.1f}, {"-2.5", -2.5f}, {"3.4028235e38", FLT_MAX},
        {"1e39", HUGE_VALF}, {"-1e39", -HUGE_VALF}, {"1e-50", 0.0f},
    };
    for (auto& c : cases) {
        int pos = 0;
        EXPECT_EQ(NextFloat(c.s, pos), c.v) << c.s;
    }
}

TEST(GetAllNumbersTest, AppendsAndCounts) {
    std::vector<int> ints;
    EXPECT_EQ(GetAllIntegers("a1b22c333", ints), 3);
    EXPECT_EQ(ints, (std::vector<int>{1, 22, 333}));
    EXPECT_EQ(GetAllIntegers("-4 x", ints), 4);  // not cleared: earlier contents count
    EXPECT_EQ(ints, (std::vector<int>{1, 22, 333, -4}));
    EXPECT_EQ(GetAllIntegers("none", ints), 4);
    EXPECT_EQ(GetAllIntegers("", ints), 4);

    std::vector<double> ds;
    EXPECT_EQ(GetAllDoubles("x=1.5, y=-2e2;z=3", ds), 3);
    EXPECT_EQ(ds, (std::vector<double>{1.5, -200.0, 3.0}));
}

TEST(GetIntsFromLineTest, StringForm) {
    struct { std::string line; std::vector<int> values; } cases[] = {
        {"  4 5\t6 ", {4, 5, 6}},
        {"12 abc 7", {12, 0, 7}},
        {"3.5", {3}},
        {"-3 +4 --5", {-3, 4, 0}},
        {"", {}},
        {" \t\n", {}},
        {"\r9", {9}},      // the C conversion skips a leading carriage return
        {"99999999999 -99999999999", {INT_MAX, INT_MIN}},
    };
    for (auto& c : cases) {
        std::vector<int> v = {42};
        GetIntsFromLine(c.line, v);
        std::vector<int> want = {42};
        want.insert(want.end(), c.values.begin(), c.values.end());
        EXPECT_EQ(v, want) << c.line;
    }
}

TEST(GetIntsFromLineTest, BufferFormCutsTheBuffer) {
    char buf[] = "4 5  ";
    std::vector<int> v;
    GetIntsFromLine(buf, v);
    EXPECT_EQ(v, (std::vector<int>{4, 5}));
    EXPECT_EQ(std::string(buf, sizeof buf), std::string("4\0" "5\0" " \0", 6));

    char empty[] = "";
    GetIntsFromLine(empty, v);
    EXPECT_EQ(v.size(), 2u);

    char spaces[] = " \t\n";
    GetIntsFromLine(spaces, v);
    EXPECT_EQ(v.size(), 2u);
    EXPECT_STREQ(spaces, " \t\n");

    char words[] = "\t-7 x 8";
    GetIntsFromLine(words, v);
    EXPECT_EQ(v, (std::vector<int>{4, 5, -7, 0, 8}));
    EXPECT_EQ(std::string(words, sizeof words), std::string("\t-7\0x\0" "8\0", 8));
}

TEST(ShowHiddenTest, OneLinePerCharacter) {
    std::ostringstream out;
    ShowHidden("a b", out);
    EXPECT_EQ(out.str(), "0:a\n1:SPACE\n2:b\n");
    out.str("");
    ShowHidden("\t\n\r", out);
    EXPECT_EQ(out.str(), "0:TAB\n1:NEWLINE\n2:\r\n");
    out.str("");
    ShowHidden("", out);
    EXPECT_EQ(out.str(), "");
}

TEST(ShowHiddenTest, WritesToStandardOutput) {
    testing::internal::CaptureStdout();
    ShowHidden("x\ty", std::cout);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "0:x\n1:TAB\n2:y\n");
}

}  // namespace
