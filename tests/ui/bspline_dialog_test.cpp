#include "ui/bspline_dialog.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace veltro {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(ParseKnotText, SplitsOnSpacesAndCommasAndConvertsLikeAtoi) {
    const struct {
        std::string text;
        KnotSequence knots;
    } cases[] = {
        {"0,0,0,0,1,2,3,3,3,3", {0, 0, 0, 0, 1, 2, 3, 3, 3, 3}},
        {"0 , 1,,2", {0, 1, 2}},
        {"1 2 3", {1, 2, 3}},
        {"-2, 5", {-2, 5}},
        {", ,  ", {}},
        {"", {}},
        {"abc", {0}},
        {"12x", {12}},
        {"7-3", {7}},
        {"+4, -, --3", {4, 0, 0}},
        {"\t7", {7}},   // a tab is no separator, but atoi skips it
        {"1\t2", {1}},  // ... and stops at it after the digits
        {"123456", {123456}},
        {"0007", {7}},
        {"2147483647, -2147483648", {kMax, kMin}},
        // Out of the 32-bit range: held at the nearest end.
        {"2147483648", {kMax}},
        {"-2147483649", {kMin}},
        {"99999999999999999999999999999, -99999999999999999999999999", {kMax, kMin}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        EXPECT_EQ(parseKnotText(c.text), c.knots);
    }
}

TEST(ParseKnotText, ReadsOnlyTheFirst4998Characters) {
    EXPECT_EQ(parseKnotText(std::string(4996, ' ') + "1234"), (KnotSequence{12}));
    EXPECT_EQ(parseKnotText(std::string(4997, ',') + "56"), (KnotSequence{5}));
    EXPECT_EQ(parseKnotText(std::string(4998, ' ') + "9"), (KnotSequence{}));
}

TEST(FormatKnotText, JoinsWithCommaAndSpaceAndRoundTrips) {
    const struct {
        KnotSequence knots;
        std::string text;
    } cases[] = {
        {{0, 1, 2, 10}, "0, 1, 2, 10"},
        {{}, ""},
        {{-2, 5}, "-2, 5"},
        {{123456}, "123456"},
        {{kMin, kMax}, "-2147483648, 2147483647"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(formatKnotText(c.knots), c.text);
        EXPECT_EQ(parseKnotText(c.text), c.knots);
    }
}

TEST(ParseDegreeText, UnsignedFieldThenSignedRule) {
    const struct {
        std::string text;
        std::int32_t degree;
    } cases[] = {
        {"", 3},
        {"0", 3},
        {"7", 7},
        {"1", 1},
        {"007", 7},
        {" 12", 12},
        {"12 ", 3},  // nothing may follow the digits
        {"   ", 3},
        {"-3", 3},
        {"+5", 3},
        {"1e3", 3},
        {"abc", 3},
        {"2147483647", 2147483647},
        {"2147483648", 3},  // negative once taken as a signed int
        {"4294967295", 3},
        {"4294967296", 3},  // too large for the field: reads as 0
        {"99999999999999999999999", 3},
        {"1500", 1500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text '" + c.text + "'");
        EXPECT_EQ(parseDegreeText(c.text), c.degree);
    }
}

TEST(ReadUnsignedField, CoversTheWholeUnsignedRange) {
    EXPECT_EQ(readUnsignedField("4294967295"), 4294967295u);
    EXPECT_EQ(readUnsignedField("  2147483648"), 2147483648u);
    EXPECT_EQ(readUnsignedField("4294967296"), 0u);
    EXPECT_EQ(readUnsignedField("\t5"), 0u);
}

}  // namespace
}  // namespace veltro
