#include "curves/parameter_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace veltro {
namespace {

std::vector<float> walk(float start, float end, std::size_t maxSamples = kMaxCurveSamples) {
    std::vector<float> visited;
    walkParameter(start, end, maxSamples, [&](float t) { visited.push_back(t); });
    return visited;
}

TEST(ParameterWalk, UnitWalksStopJustShortOfOne) {
    for (float end : {1.0f, 1.011f}) {
        const std::vector<float> t = walk(0.0f, end);
        ASSERT_EQ(t.size(), 51u) << end;
        EXPECT_EQ(t.front(), 0.0f);
        EXPECT_EQ(t.back(), 0.99999958f) << end;
    }
}

TEST(ParameterWalk, IntegerRangesTakeFiftySamplesPerUnit) {
    struct Case {
        float start;
        int units;
        std::size_t samples;
    };
    for (const Case c : {Case{0.0f, 1, 51}, Case{0.0f, 2, 101}, Case{0.0f, 4, 201},
                         Case{0.0f, 79, 3951}, Case{3.0f, 1, 51}, Case{-5.0f, 7, 351},
                         // Far from zero the float sums drift by whole samples.
                         Case{0.0f, 319, 15952}, Case{0.0f, 1999, 99885}}) {
        const double lastKnot = static_cast<double>(c.start) + c.units;
        const auto end = static_cast<float>(lastKnot + 0.011);
        const std::vector<float> t = walk(c.start, end);
        EXPECT_EQ(t.size(), c.samples) << c.start << " " << c.units;
        EXPECT_NEAR(t.back(), lastKnot, 0.011) << c.start << " " << c.units;
    }
}

TEST(ParameterWalk, StopsWhereTheStepNoLongerMovesT) {
    // From 2^19 on half a float step exceeds 0.02, so t + 0.02 rounds back
    // to t; a walk that waited for the end bound would never return.
    EXPECT_EQ(walk(524288.0f, 2.0e9f).size(), 1u);
    EXPECT_EQ(walk(1.0e9f, 2.0e9f).size(), 1u);
    // Just below, the step rounds up to a whole float step and still moves.
    const std::vector<float> t = walk(262144.0f, 262144.1f);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1] - t[0], 0.03125f);
}

TEST(ParameterWalk, LongRangesAreCutAtTheSampleCap) {
    EXPECT_EQ(walk(0.0f, 2.0e9f).size(), kMaxCurveSamples);
    EXPECT_EQ(walk(0.0f, 2.0e9f, 7).size(), 7u);
    EXPECT_GE(kMaxCurveSamples, 50u * 2000u + 1u);
}

TEST(WholeRangeWalk, KeepsTheStepWhereItFitsAndOtherwiseSpreadsEvenlyToTheEnd) {
    struct Case {
        float start;
        float last;
        std::size_t maxSamples;
        bool stepped;
        std::size_t samples;
    };
    for (const Case c : {Case{0.0f, 4.0f, 201, true, 201}, Case{0.0f, 4.0f, 200, false, 200},
                         Case{0.0f, 3000.0f, kMaxCurveSamples, false, kMaxCurveSamples},
                         Case{0.0f, 2.0e9f, kMaxCurveSamples, false, kMaxCurveSamples},
                         // The step no longer moves t so far out.
                         Case{1.0e6f, 1.0e6f + 3.0f, 500, false, 500}}) {
        const auto end = static_cast<float>(static_cast<double>(c.last) + 0.011);
        const WholeRangeWalk whole(c.start, end, c.last, c.maxSamples);
        std::vector<float> t;
        whole.run([&](float v) { t.push_back(v); });
        ASSERT_EQ(t.size(), c.samples) << c.last;
        EXPECT_EQ(t.front(), c.start);
        EXPECT_TRUE(std::is_sorted(t.begin(), t.end())) << c.last;
        if (c.stepped) {
            EXPECT_EQ(t, walk(c.start, end)) << c.last;
        } else {
            EXPECT_EQ(t.back(), c.last) << c.last;
        }
    }
}

}  // namespace
}  // namespace veltro
