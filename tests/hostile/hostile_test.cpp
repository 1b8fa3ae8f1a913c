// The inputs most likely to break the editor, each played through the real
// core with a frame after every message: thousands of points, absurd
// degrees and knots, full text fields, clicks outside the window, the slider
// held down. Each must keep every rule, finish, and leave an editor in
// which the next click still adds a point and draws it.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "checked_session.h"
#include "ui/command.h"

namespace veltro::hardening {
namespace {

using std::chrono::milliseconds;

// A hang detector, not a speed check: the figures each case reaches are in
// docs/robustness.md, far below this even in the sanitizer build.
constexpr milliseconds kFrameBound(30000);

void menu(CheckedSession& s, Command command) {
    s.play(Message::menu(command));
}

void click(CheckedSession& s, float x, float y) {
    s.play(Message::mouse(Message::Kind::LeftPress, x, y));
    s.play(Message::mouse(Message::Kind::LeftRelease, x, y));
}

void keys(CheckedSession& s, Key key, std::size_t times) {
    for (std::size_t i = 0; i < times && !s.violation(); ++i) {
        s.play(Message::keyDown(key));
    }
}

void dialog(CheckedSession& s, const std::string& degree, const std::string& knots) {
    menu(s, Command::BSplineSetup);
    s.play(Message::dialogOk(s.newestOpenDialog(), degree, knots));
}

// Distinct points spread over the window, put down without a frame each.
void manyPoints(CheckedSession& s, int count) {
    for (int i = 0; i < count; ++i) {
        s.pressWithoutFrame(static_cast<float>(15 + (i * 37) % 610),
                            static_cast<float>(15 + (i * 53) % 450));
    }
}

void fivePoints(CheckedSession& s) {
    click(s, 80, 300);
    click(s, 180, 90);
    click(s, 330, 400);
    click(s, 470, 110);
    click(s, 590, 320);
}

// Every view of the B-spline on the current knots: plain, with slider and
// shells, stepped both ways, with continuity on and off again.
void exerciseBSpline(CheckedSession& s) {
    menu(s, Command::SliderOn);
    menu(s, Command::ShellsOn);
    keys(s, Key::Plus, 3);
    keys(s, Key::NumMinus, 6);
    menu(s, Command::ContinuityOn);
    keys(s, Key::NumPlus, 2);
    menu(s, Command::ContinuityOff);
    keys(s, Key::Minus, 2);
}

std::string knotListText(std::size_t length) {
    std::string text;
    for (int k = 0; text.size() < length; ++k) {
        text += std::to_string(k) + ", ";
    }
    text.resize(length);
    return text;
}

constexpr Command kMethods[] = {
    Command::NestedLinear,         Command::Bernstein,           Command::Midpoint,
    Command::ParametricPolynomial, Command::InterpolatingSpline, Command::BSpline};

struct HostileCase {
    const char* name;
    std::function<void(CheckedSession&)> run;
};

std::vector<HostileCase> hostileCases() {
    std::vector<HostileCase> cases;
    for (Command method : kMethods) {
        cases.push_back({"2000 points", [method](CheckedSession& s) {
                             manyPoints(s, 2000);
                             menu(s, method);
                         }});
        cases.push_back({"2000 points, shells and slider", [method](CheckedSession& s) {
                             menu(s, Command::ShellsOn);
                             menu(s, Command::SliderOn);
                             manyPoints(s, 2000);
                             menu(s, method);
                             keys(s, Key::Plus, 1);
                         }});
    }
    cases.push_back({"degree 2147483647 with 3 points", [](CheckedSession& s) {
                         click(s, 100, 100);
                         click(s, 300, 400);
                         click(s, 500, 100);
                         menu(s, Command::BSpline);
                         dialog(s, "2147483647", "");
                         exerciseBSpline(s);
                     }});
    for (const char* knots :
         {"0, 2147483647", "-2147483648, 2147483647", "5, 4, 3, 2, 1", "0, 0, 0, 0, 0, 0"}) {
        cases.push_back({knots, [knots](CheckedSession& s) {
                             fivePoints(s);
                             menu(s, Command::BSpline);
                             dialog(s, "3", knots);
                             exerciseBSpline(s);
                             dialog(s, "2", knots);
                             exerciseBSpline(s);
                         }});
    }
    cases.push_back({"4998-character knot list", [](CheckedSession& s) {
                         fivePoints(s);
                         menu(s, Command::BSpline);
                         dialog(s, "3", knotListText(4998));
                         exerciseBSpline(s);
                     }});
    cases.push_back({"4998-digit knot", [](CheckedSession& s) {
                         fivePoints(s);
                         menu(s, Command::BSpline);
                         dialog(s, std::string(4998, '9'), std::string(4998, '9'));
                         exerciseBSpline(s);
                     }});
    cases.push_back({"6000 separators", [](CheckedSession& s) {
                         fivePoints(s);
                         menu(s, Command::BSpline);
                         dialog(s, "3", std::string(6000, ','));
                         exerciseBSpline(s);
                     }});
    cases.push_back({"clicks at the corners and outside", [](CheckedSession& s) {
                         click(s, 0, 0);
                         click(s, 65535, 65535);
                         click(s, -1, -1);
                         click(s, -32768, -32768);
                         click(s, -65535, 65535);
                         click(s, 320, 240);
                         for (Command method : kMethods) {
                             menu(s, method);
                             menu(s, Command::ShellsOn);
                         }
                     }});
    cases.push_back({"drags to the corners and outside", [](CheckedSession& s) {
                         fivePoints(s);
                         menu(s, Command::MovePoints);
                         const float targets[][2] = {
                             {0, 0}, {65535, 65535}, {-1, -1}, {-32768, -32768}, {640, 480}};
                         for (const auto& to : targets) {
                             s.play(Message::mouse(Message::Kind::LeftPress, 180, 90));
                             s.play(Message::mouse(Message::Kind::MouseMove, to[0], to[1]));
                             s.play(Message::mouse(Message::Kind::LeftRelease, to[0], to[1]));
                         }
                         menu(s, Command::MakePoints);
                     }});
    // 100000 steps; a fifth of that in sanitizer builds (see runLength).
    const std::size_t steps = runLength(100000);
    cases.push_back({"slider stepped 100000 times, nested linear", [steps](CheckedSession& s) {
                         fivePoints(s);
                         menu(s, Command::SliderOn);
                         keys(s, Key::NumPlus, steps);
                         EXPECT_EQ(s.state().sliderT, 1.0f);
                     }});
    cases.push_back({"slider stepped 100000 times, B-spline", [steps](CheckedSession& s) {
                         fivePoints(s);
                         menu(s, Command::BSpline);
                         menu(s, Command::SliderOn);
                         keys(s, Key::Plus, steps / 2);
                         EXPECT_EQ(s.state().sliderT, 5.0f);
                         keys(s, Key::Minus, steps / 2);
                         EXPECT_EQ(s.state().sliderT, 3.0f);
                     }});
    return cases;
}

class Hostile : public testing::TestWithParam<std::size_t> {};

TEST_P(Hostile, KeepsEveryRuleAndLeavesTheEditorUsable) {
    const HostileCase c = hostileCases()[GetParam()];
    CheckedSession session(kFrameBound);
    const auto start = std::chrono::steady_clock::now();
    c.run(session);
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_FALSE(session.violation()) << *session.violation();

    // Usable afterwards: back in Make Points mode the next click adds a
    // point and the frame shows it.
    menu(session, Command::MakePoints);
    const std::size_t before = session.state().controlPoints.size();
    const std::size_t framesBefore = session.framesDrawn();
    click(session, 321, 239);
    ASSERT_FALSE(session.violation()) << *session.violation();
    EXPECT_EQ(session.state().controlPoints.size(), before + 1);
    EXPECT_GT(session.framesDrawn(), framesBefore);
    EXPECT_NE(session.presentedAt(321, 239), 0xFFFFFFFFu);

    std::printf("hostile | %s | %s | %zu messages | %.1f ms | longest frame %.2f ms\n", c.name,
                testing::UnitTest::GetInstance()->current_test_info()->name(),
                session.messagesPlayed(), std::chrono::duration<double, std::milli>(took).count(),
                std::chrono::duration<double, std::milli>(session.longestFrame()).count());
}

INSTANTIATE_TEST_SUITE_P(Cases, Hostile, testing::Range<std::size_t>(0, hostileCases().size()));

// Every B-Spline Setup opens a dialog; once it has been answered, nothing of
// it may stay behind, or a long session grows without end. With degree 1000
// each dialog shows a thousand knots, some 5 kB of text.
TEST(HostileHeap, DialogOpenedAndAnsweredManyTimesLeavesNothingBehind) {
    const std::size_t rounds = runLength(10000);
    CheckedSession session(kFrameBound);
    session.keepNoHistory();
    click(session, 100, 100);
    click(session, 300, 400);
    click(session, 500, 100);
    menu(session, Command::BSpline);
    dialog(session, "1000", "");
    std::size_t settled = 0;
    for (std::size_t i = 0; i < rounds; ++i) {
        if (i == rounds / 10) {
            settled = heapBytesInUse();
        }
        if (i % 2 == 0) {
            dialog(session, "1000", "");
        } else {
            menu(session, Command::BSplineSetup);
            session.play(Message::dialogCancel(session.newestOpenDialog()));
        }
        ASSERT_FALSE(session.violation()) << *session.violation();
    }
    const std::size_t grown = heapBytesInUse() - std::min(heapBytesInUse(), settled);
    std::printf("hostile heap | %zu dialogs answered | heap grew by %zu bytes\n", rounds, grown);
    EXPECT_LE(grown, 16u * 1024u) << "the heap grew by " << grown << " bytes over "
                                  << rounds - rounds / 10 << " answered dialogs";
}

}  // namespace
}  // namespace veltro::hardening
