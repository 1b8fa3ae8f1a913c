#include "curves/knots.h"

#include <gtest/gtest.h>

#include <limits>

namespace veltro {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

TEST(Knots, BuildsTheWorkingVectorAndSeedsTheEnteredOne) {
    struct Case {
        const char* name;
        KnotSequence entered;
        std::size_t points;
        std::int32_t degree;
        bool continuity;
        KnotSequence expected;
        KnotSequence enteredAfter;
    };
    const std::vector<Case> cases{
        {"default", {}, 4, 3, false, {0, 1, 2, 3, 4, 5, 6, 7}, {0}},
        {"clamped cubic", {9, 9}, 4, 3, true, {0, 0, 0, 0, 1, 1, 1, 1}, {9, 9}},
        {"clamped quadratic", {}, 5, 2, true, {0, 0, 0, 1, 2, 3, 3, 3}, {}},
        {"padded upwards", {0, 2, 4}, 4, 3, false, {0, 2, 4, 5, 6, 7, 8, 9}, {0, 2, 4}},
        {"cut from the end",
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
         3,
         2,
         false,
         {0, 1, 2, 3, 4, 5},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"continuity with two points", {5, 6}, 2, 3, true, {0, 1, 2, 3, 4, 5}, {0}},
        {"padding stops at the top",
         {kMax - 1},
         3,
         1,
         false,
         {kMax - 1, kMax, kMax, kMax, kMax},
         {kMax - 1}},
        {"clamped degree at the count", {}, 3, 3, true, {0, 0, 0, 0, 0, 0, 0}, {}},
    };
    for (const Case& c : cases) {
        // Seeding the entered list never changes the knots it gives.
        EXPECT_EQ(effectiveKnots(c.entered, c.points, c.degree, c.continuity), c.expected)
            << c.name;
        KnotSequence entered = c.entered;
        seedEnteredKnots(entered, c.points, c.continuity);
        EXPECT_EQ(entered, c.enteredAfter) << c.name;
        EXPECT_EQ(effectiveKnots(entered, c.points, c.degree, c.continuity), c.expected) << c.name;
    }
}

TEST(Knots, HugeDegreesStayBounded) {
    for (bool continuity : {false, true}) {
        EXPECT_EQ(effectiveKnots({}, 3, 1000, continuity).size(), 1004u);
        EXPECT_EQ(effectiveKnots({}, 3, kMax, continuity).size(), kMaxKnotsWithoutCurve);
    }
}

TEST(FindSpan, LastOfARunOfEqualKnotsWins) {
    const KnotSequence knots{0, 0, 0, 0, 1, 1, 1, 1};
    EXPECT_EQ(findSpan(knots, 0.0f), 3);
    EXPECT_EQ(findSpan(knots, 0.5f), 3);
    EXPECT_EQ(findSpan(knots, 1.0f), -1);
    EXPECT_EQ(findSpan(knots, -0.5f), -1);
    EXPECT_EQ(findSpan({}, 0.0f), -1);
    EXPECT_EQ(findSpan({4}, 4.0f), -1);
}

TEST(KnotDomain, IndicesMayLieOutsideTheList) {
    const KnotDomain d = knotDomainIndices(8, 3);
    EXPECT_EQ(d.lo, 3);
    EXPECT_EQ(d.hi, 4);
    const KnotDomain far = knotDomainIndices(4, 1000);
    EXPECT_FALSE(knotIndexValid(far.lo, 4));
    EXPECT_FALSE(knotIndexValid(far.hi, 4));
}

}  // namespace
}  // namespace veltro
