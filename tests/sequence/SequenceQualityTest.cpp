#include <gtest/gtest.h>

#include <cmath>
#include <iostream>
#include <sstream>
#include <vector>

#include "sequence/SequenceQuality.h"
#include "sequence/SequenceQualityVector.h"

namespace {

SequenceQuality Make(std::vector<int> values, const char* name = "r1", const char* desc = "d")
{
    SequenceQuality q;
    q.mQuals = std::move(values);
    q.mName = name;
    q.mDescription = desc;
    return q;
}

struct FindCase {
    std::vector<int> values;
    long start;
    int forward;    // FindPhred20(start)
    int backward;   // RFindPhred20(start)
};

TEST(SequenceQuality, FindAndCountPhred20)
{
    const std::vector<FindCase> cases = {
        {{10, 20, 19, 35}, 0, 1, 0},
        {{10, 20, 19, 35}, 2, 3, 1},
        {{10, 20, 19, 35}, 3, 3, 3},
        {{10, 20, 19, 35}, -1, 3, 0},     // negative start: last index / 0
        {{10, 20, 19, 35}, 4, 3, 3},      // past the end: last index / search from the last
        {{10, 20, 19, 35}, 1000, 3, 3},
        {{5, 6, 7}, 0, 2, 0},             // no good value: last index / 0
        {{}, 0, -1, 0},
        {{}, 5, -1, 0},
        {{-20, 19, 20}, 0, 2, 0},         // negative values are not good
    };
    for (const FindCase& c : cases) {
        SequenceQuality q = Make(c.values);
        SCOPED_TRACE(::testing::PrintToString(c.values) + " start " + std::to_string(c.start));
        EXPECT_EQ(q.FindPhred20(c.start), c.forward);
        EXPECT_EQ(q.RFindPhred20(c.start), c.backward);
    }
    EXPECT_EQ(Make({10, 20, 19, 35}).CountPhred20(), 2);
    EXPECT_EQ(Make({10, 20, 19, 35}).RFindPhred20(), 3);
    EXPECT_EQ(Make({20, 5, 6}).RFindPhred20(), 0);
    EXPECT_EQ(Make({5, 6, 7}).RFindPhred20(), 0);
    EXPECT_EQ(Make({}).CountPhred20(), 0);
    EXPECT_EQ(Make({}).RFindPhred20(), 0);
    EXPECT_EQ(Make({19, 20, 21, -5, 100}).CountPhred20(), 3);
}

struct TrimCase {
    long left, right;
    std::vector<int> expected;
};

TEST(SequenceQuality, TrimZeroesBothEndsAndKeepsLength)
{
    const std::vector<TrimCase> cases = {
        {1, 4, {0, 0, 30, 30, 0, 0}},
        {-1, 6, {30, 30, 30, 30, 30, 30}},
        {-1, -1, {30, 30, 30, 30, 30, 30}},
        {0, 5, {0, 30, 30, 30, 30, 0}},
        {-5, 0, {0, 0, 0, 0, 0, 0}},
        {5, 100, {0, 0, 0, 0, 0, 0}},
        {6, -1, {0, 0, 0, 0, 0, 0}},      // left past the end is clamped
        {1000000, -1, {0, 0, 0, 0, 0, 0}},
    };
    for (const TrimCase& c : cases) {
        SequenceQuality q = Make({30, 30, 30, 30, 30, 30});
        q.Trim(c.left, c.right);
        EXPECT_EQ(q.mQuals, c.expected) << "Trim(" << c.left << ", " << c.right << ")";
        EXPECT_EQ(q.mName, "r1");
    }
    SequenceQuality empty;
    empty.Trim(3, 0);
    EXPECT_TRUE(empty.mQuals.empty());
}

TEST(SequenceQuality, ReverseAndConcatenate)
{
    SequenceQuality q = Make({1, 2, 3});
    q.Reverse();
    EXPECT_EQ(q.mQuals, (std::vector<int>{3, 2, 1}));
    EXPECT_EQ(q.mName, "r1");
    EXPECT_EQ(q.mDescription, "d");

    SequenceQuality other = Make({7, 8}, "o", "x");
    q.Concatenate(other);
    EXPECT_EQ(q.mQuals, (std::vector<int>{3, 2, 1, 7, 8}));
    EXPECT_EQ(q.mName, "r1");
    EXPECT_EQ(q.mDescription, "d");
    EXPECT_EQ(other.mQuals, (std::vector<int>{7, 8}));

    // With itself: doubles the values, even when the growth reallocates.
    SequenceQuality self = Make({});
    for (int i = 0; i < 1000; ++i) self.mQuals.push_back(i);
    self.mQuals.shrink_to_fit();
    self.Concatenate(self);
    ASSERT_EQ(self.mQuals.size(), 2000u);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(self.mQuals[i], i % 1000);
}

struct PrintCase {
    int count;
    std::string description;
    std::string expected;   // text after the header line
};

std::string Values(int from, int to)   // "v v v ..." each followed by a blank, value = 40
{
    std::string s;
    for (int i = from; i < to; ++i) s += "40 ";
    return s;
}

TEST(SequenceQuality, PrintDisplayLayout)
{
    const std::vector<PrintCase> cases = {
        {0, "d", "\n"},                                                  // header and an empty line
        {1, "d", "40 \n"},
        {50, "d", Values(0, 50) + "\n"},
        {51, "d", Values(0, 51) + "\n"},                                 // first line holds 51
        {52, "d", Values(0, 51) + "\n" + "40 \n"},
        {101, "d", Values(0, 51) + "\n" + Values(51, 101) + "\n"},      // later lines hold 50
        {102, "d", Values(0, 51) + "\n" + Values(51, 101) + "\n" + "40 \n"},
    };
    for (const PrintCase& c : cases) {
        SequenceQuality q = Make(std::vector<int>(c.count, 40), "r1", c.description.c_str());
        std::ostringstream out;
        q.Print(out);
        EXPECT_EQ(out.str(), ">r1 " + c.description + "\n" + c.expected) << c.count << " values";
    }
    SequenceQuality mixed = Make({-3, 0, 7}, "n", "");
    std::ostringstream out;
    mixed.Print(out);
    EXPECT_EQ(out.str(), ">n \n-3 0 7 \n");

    testing::internal::CaptureStdout();
    mixed.Print();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), ">n \n-3 0 7 \n");
}

TEST(SequenceQualityVector, GrowAddAndTotals)
{
    SequenceQualityVector v;
    v.GrowVec();
    ASSERT_EQ(v.mRecords.size(), 1u);
    EXPECT_TRUE(v.mRecords[0].mQuals.empty());
    EXPECT_EQ(v.mRecords[0].mName, "");
    EXPECT_EQ(v.mRecords[0].mDescription, "");

    SequenceQuality q = Make({25, 10, 30}, "read7", "lane 2");
    v.AddQuality(q);
    ASSERT_EQ(v.mRecords.size(), 2u);
    EXPECT_EQ(v.mRecords[1].mQuals, q.mQuals);
    EXPECT_EQ(v.mRecords[1].mName, "read7");
    EXPECT_EQ(v.mRecords[1].mDescription, "lane 2");
    EXPECT_EQ(q.mQuals, (std::vector<int>{25, 10, 30}));   // source unchanged
    EXPECT_EQ(q.mName, "read7");
    EXPECT_EQ(v.Phred20Total(), 2);

    // A record of the same collection, with the growth forced to reallocate.
    v.mRecords.shrink_to_fit();
    v.AddQuality(v.mRecords[1]);
    ASSERT_EQ(v.mRecords.size(), 3u);
    EXPECT_EQ(v.mRecords[2].mQuals, (std::vector<int>{25, 10, 30}));
    EXPECT_EQ(v.mRecords[2].mName, "read7");
    EXPECT_EQ(v.mRecords[2].mDescription, "lane 2");
    EXPECT_EQ(v.Phred20Total(), 4);

    std::ostringstream out;
    v.Print(out);
    EXPECT_EQ(out.str(), "> \n\n>read7 lane 2\n25 10 30 \n>read7 lane 2\n25 10 30 \n");
}

TEST(SequenceQualityVector, Phred20Stats)
{
    auto withCounts = [](std::vector<int> counts) {
        SequenceQualityVector v;
        for (int c : counts) {
            SequenceQuality q;
            q.mQuals.assign(c, 20);
            q.mQuals.push_back(3);   // never counted
            v.mRecords.push_back(q);
        }
        return v;
    };
    float mean = 1, variance = 1;
    withCounts({2, 4, 6}).Phred20Stats(mean, variance);
    EXPECT_FLOAT_EQ(mean, 4.0f);
    EXPECT_FLOAT_EQ(variance, 4.0f);

    withCounts({1, 2}).Phred20Stats(mean, variance);
    EXPECT_FLOAT_EQ(mean, 1.5f);
    EXPECT_FLOAT_EQ(variance, 0.5f);

    withCounts({5}).Phred20Stats(mean, variance);
    EXPECT_FLOAT_EQ(mean, 5.0f);
    EXPECT_TRUE(std::isnan(variance));

    withCounts({}).Phred20Stats(mean, variance);
    EXPECT_TRUE(std::isnan(mean));
    EXPECT_EQ(variance, 0.0f);
    EXPECT_TRUE(std::signbit(variance));   // -0.0
}

}  // namespace
