#include <gtest/gtest.h>

#include <limits>

#include "state_json.h"

namespace veltro::replay {
namespace {

TEST(JsonString, EscapesWhatJsonForbidsAndKeepsUtf8) {
    const struct {
        std::string text;
        std::string json;
    } cases[] = {
        {"", R"("")"},
        {"plain", R"("plain")"},
        {"a \"quote\"", R"("a \"quote\"")"},
        {"back\\slash", R"("back\\slash")"},
        {"Point Moving is already enabled!\nTo disable, create a new point.",
         R"("Point Moving is already enabled!\nTo disable, create a new point.")"},
        {"tab\there\r", R"("tab\there\r")"},
        {std::string("\x01\x1f\x7f\b\f", 5), R"("\u0001\u001f\u007f\b\f")"},
        {std::string("nul\0byte", 8), R"("nul\u0000byte")"},
        {"B\xc3\xa9zier \xe2\x80\x94 \xf0\x9f\x98\x80",
         "\"B\xc3\xa9zier \xe2\x80\x94 \xf0\x9f\x98\x80\""},
        {"lone \xff byte", R"("lone \ufffd byte")"},
        {"cut \xc3", R"("cut \ufffd")"},
        {"overlong \xc0\xaf", R"("overlong \ufffd\ufffd")"},
        {"surrogate \xed\xa0\x80", R"("surrogate \ufffd\ufffd\ufffd")"},
        {"too big \xf4\x90\x80\x80", R"("too big \ufffd\ufffd\ufffd\ufffd")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(jsonString(c.text), c.json) << c.json;
    }
}

TEST(JsonFloat, NineDigitsAndNullForNonFinite) {
    EXPECT_EQ(jsonFloat(0.5f), "0.5");
    EXPECT_EQ(jsonFloat(0.51f), "0.50999999");
    EXPECT_EQ(jsonFloat(3.0f), "3");
    EXPECT_EQ(jsonFloat(-0.0f), "-0");
    EXPECT_EQ(jsonFloat(std::numeric_limits<float>::infinity()), "null");
    EXPECT_EQ(jsonFloat(std::numeric_limits<float>::quiet_NaN()), "null");
}

TEST(StateJson, ListsEveryFieldInOrder) {
    EditorState state;
    state.method = CurveMethod::BSpline;
    state.editMode = EditMode::MovePoints;
    state.sliderOn = true;
    state.sliderT = 3.51f;
    state.knotSequence = {-2, 5};
    state.workingKnots = {0, 1, 2};
    state.controlPoints.emplace_back(Point2(10.5f, 20.0f), 10.0f);
    state.controlPoints.emplace_back(Point2(-1.0f, 0.25f), 10.0f);
    HostView host;
    host.dialogs.push_back(DialogRecord{"3", "0, 1, 2", false});
    host.title = "t = 3.51";
    host.checked = {40051, 40036, 40039, 40045};
    host.messageBoxes.push_back({"Slider Activated", "Adjust\non pad."});
    host.framesDrawn = 4;

    EXPECT_EQ(stateJson(state, host),
              "{\n"
              "  \"title\": \"t = 3.51\",\n"
              "  \"editMode\": \"MovePoints\",\n"
              "  \"method\": \"useBSpline\",\n"
              "  \"sliderOn\": true,\n"
              "  \"shellsOn\": false,\n"
              "  \"continuityOn\": false,\n"
              "  \"sliderT\": 3.50999999,\n"
              "  \"bsplineDegree\": 3,\n"
              "  \"knotSequence\": [-2, 5],\n"
              "  \"workingKnots\": [0, 1, 2],\n"
              "  \"points\": [[10.5, 20], [-1, 0.25]],\n"
              "  \"checked\": [40036, 40039, 40045, 40051],\n"
              "  \"messageBoxes\": [\n"
              "    {\"caption\": \"Slider Activated\", \"text\": \"Adjust\\non pad.\"}\n"
              "  ],\n"
              "  \"dialogs\": [\n"
              "    {\"degreeText\": \"3\", \"knotText\": \"0, 1, 2\", \"open\": false}\n"
              "  ],\n"
              "  \"framesDrawn\": 4\n"
              "}\n");
}

}  // namespace
}  // namespace veltro::replay
