#include "checked_session.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "curves/knots.h"
#include "inspect/inspection_json.h"
#include "ui/command_ids.h"
#include "ui/input.h"
#include "ui/key_codes.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELTRO_HAVE_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VELTRO_HAVE_ASAN 1
#endif

#if defined(VELTRO_HAVE_ASAN)
// Declared here: gcc ships no sanitizer/allocator_interface.h.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#else
#include <malloc.h>
#endif

namespace veltro::hardening {

namespace {

std::string describeMessage(const Message& m) {
    switch (m.kind) {
        case Message::Kind::LeftPress:
            return "press";
        case Message::Kind::MouseMove:
            return "move";
        case Message::Kind::LeftRelease:
            return "release";
        case Message::Kind::LeftDoubleClick:
            return "dblclick";
        case Message::Kind::KeyDown:
            return "key " + std::string(keyName(m.key).value_or("(ignored)"));
        case Message::Kind::MenuCommand:
            return "menu " + std::to_string(commandId(m.command));
        case Message::Kind::DialogOk:
            return "dialog ok (degree text of " + std::to_string(m.degreeText.size()) +
                   " chars, knot text of " + std::to_string(m.knotText.size()) + " chars)";
        case Message::Kind::DialogCancel:
            return "dialog cancel";
        case Message::Kind::Close:
            return "close";
        case Message::Kind::PlacePoint:
            return "place " + std::to_string(m.pointIndex + 1);
        case Message::Kind::Inspect:
            return "inspect " + std::to_string(m.inspectionT);
        case Message::Kind::Undo:
            return "undo";
        case Message::Kind::Redo:
            return "redo";
        case Message::Kind::DeletePoint:
            return "delete " + std::to_string(m.pointIndex + 1);
    }
    return "?";
}

bool hasFinitePosition(const Message& m) {
    return std::isfinite(m.x) && std::isfinite(m.y);
}

}  // namespace

CheckedSession::CheckedSession(std::chrono::milliseconds frameBound) : frameBound_(frameBound) {}

void CheckedSession::play(const Message& message) {
    if (ended()) {
        return;
    }
    const EditorState& state = core_.state();
    Before before;
    before.points = state.controlPoints.size();
    // A press in Make Points mode is the one way to add a point, and only
    // inside the drawing area (which no position that is not finite is).
    before.addsPoint = message.kind == Message::Kind::LeftPress &&
                       state.editMode == EditMode::MakePoints && hasFinitePosition(message) &&
                       message.x >= 0.0f && message.x < 640.0f && message.y >= 0.0f &&
                       message.y < 480.0f;
    // Only dragging moves a point: a move while the button is down, and the
    // release that may send it back.
    before.mayMovePoints =
        state.editMode == EditMode::MovePoints &&
        (message.kind == Message::Kind::MouseMove || message.kind == Message::Kind::LeftRelease);
    // A typed position moves its one point, and only where a drag could
    // have left it; checked below.
    before.placesPoint = message.kind == Message::Kind::PlacePoint;
    // A point goes when there is one to take and no gesture holds the points.
    before.deletes = message.kind == Message::Kind::DeletePoint && message.pointIndex >= 0 &&
                     static_cast<std::size_t>(message.pointIndex) < state.controlPoints.size() &&
                     !state.mouseDown;
    // Undo and redo may put back any earlier scene; the property tests of the
    // history check which.
    before.mayChangeScene =
        message.kind == Message::Kind::Undo || message.kind == Message::Kind::Redo;
    centresBefore_.clear();
    for (const ControlPoint& p : state.controlPoints) {
        centresBefore_.push_back(p.centre);
    }
    core_.post(message);
    const auto start = std::chrono::steady_clock::now();
    drewThisTurn_ = core_.turn();
    if (drewThisTurn_) {
        // Presented as a host presents it, so the frame is painted within
        // the time measured.
        core_.framePixels();
        lastFrame_ = std::chrono::steady_clock::now() - start;
        longestFrame_ = std::max(longestFrame_, lastFrame_);
        ++framesDrawn_;
    }
    ++messagesPlayed_;
    // Nothing reads the log; without this it would grow with the session.
    shell_.clearEvents();
    check(message, before);
    if (drewThisTurn_ || message.kind == Message::Kind::Inspect) {
        checkInspection();
    }
    if (trace_ != nullptr) {
        std::fprintf(
            trace_, "%zu: %s at (%g, %g) -> %zu points, %s\n", messagesPlayed_,
            describeMessage(message).c_str(), static_cast<double>(message.x),
            static_cast<double>(message.y), state.controlPoints.size(),
            drewThisTurn_
                ? (std::to_string(std::chrono::duration<double, std::milli>(lastFrame_).count()) +
                   " ms frame")
                      .c_str()
                : "no frame");
    }
}

void CheckedSession::checkInspection() {
    const Inspection inspection = core_.inspection();
    if (!inspection.weights.empty() && inspection.weights.size() != inspection.points.size()) {
        fail("the inspection has " + std::to_string(inspection.weights.size()) + " weights for " +
             std::to_string(inspection.points.size()) + " points");
    }
    if (!std::isfinite(inspection.parameter.t)) {
        fail("the inspection's t is not finite");
    }
    // Written as the page reads it: any NaN or infinity must come out null.
    const std::string json = inspectionJson(inspection);
    if (json.find("inf") != std::string::npos || json.find("nan") != std::string::npos) {
        fail("the inspection's JSON holds a number JSON cannot carry");
    }
}

void CheckedSession::pressWithoutFrame(float x, float y) {
    EditorState& state = core_.state();
    handleMessage(state, shell_, Message::mouse(Message::Kind::LeftPress, x, y));
    handleMessage(state, shell_, Message::mouse(Message::Kind::LeftRelease, x, y));
    shell_.clearEvents();
}

int CheckedSession::newestOpenDialog() const {
    return core_.newestDialog().value_or(-1);
}

std::uint32_t CheckedSession::presentedAt(std::uint32_t x, std::uint32_t y) const {
    const std::vector<std::uint32_t>& words = core_.framePixels();
    const FrameBuffer view(const_cast<std::uint32_t*>(words.data()), EditorCore::kWidth,
                           EditorCore::kHeight);
    return view.at(x, y);
}

void CheckedSession::fail(std::string what) {
    if (!violation_) {
        violation_ = "after message " + std::to_string(messagesPlayed_) + ": " + std::move(what);
    }
}

void CheckedSession::check(const Message& message, const Before& before) {
    const EditorState& state = core_.state();
    const std::string after = " (after " + describeMessage(message) + ")";

    const bool clears =
        message.kind == Message::Kind::MenuCommand && message.command == Command::ClearPoints;
    const std::size_t expectedPoints =
        clears ? 0 : before.points + (before.addsPoint ? 1 : 0) - (before.deletes ? 1 : 0);
    if (!before.mayChangeScene && state.controlPoints.size() != expectedPoints) {
        fail("point count went from " + std::to_string(before.points) + " to " +
             std::to_string(state.controlPoints.size()) + after);
    }
    if (!clears && !before.mayMovePoints && !before.mayChangeScene) {
        const Point2 target(message.x, message.y);
        if (before.deletes) {
            centresBefore_.erase(centresBefore_.begin() + message.pointIndex);
        }
        for (std::size_t i = 0; i < centresBefore_.size() && i < state.controlPoints.size(); ++i) {
            const Point2& was = centresBefore_[i];
            const Point2& now = state.controlPoints[i].centre;
            if (was == now) {
                continue;
            }
            if (before.placesPoint && static_cast<std::size_t>(message.pointIndex) == i) {
                if (!(now == target) || !state.controlPoints[i].insideFrame()) {
                    fail("point " + std::to_string(i) + " was placed where no drag could leave it" +
                         after);
                }
                continue;
            }
            fail("point " + std::to_string(i) + " moved from (" + std::to_string(was.x) + ", " +
                 std::to_string(was.y) + ") to (" + std::to_string(now.x) + ", " +
                 std::to_string(now.y) + ")" + after);
            break;
        }
    }

    for (std::size_t i = 0; i < state.controlPoints.size(); ++i) {
        const Point2& c = state.controlPoints[i].centre;
        if (!std::isfinite(c.x) || !std::isfinite(c.y)) {
            fail("point " + std::to_string(i) + " has a centre that is not finite" + after);
            break;
        }
    }

    if (!std::isfinite(state.sliderT)) {
        fail("sliderT is not finite" + after);
    }

    const std::size_t n = state.controlPoints.size();
    if (drewThisTurn_ && state.method == CurveMethod::BSpline && n >= 3) {
        const auto d = static_cast<std::size_t>(state.bsplineDegree);
        std::size_t length = n + d + 1;
        if (d >= n && length > kMaxKnotsWithoutCurve) {
            length = kMaxKnotsWithoutCurve;
        }
        if (state.workingKnots.size() != length) {
            fail("workingKnots holds " + std::to_string(state.workingKnots.size()) + " knots for " +
                 std::to_string(n) + " points of degree " + std::to_string(state.bsplineDegree) +
                 after);
        }
    }
    if (drewThisTurn_ && state.redrawRequested) {
        fail("a drawn frame left the redraw request set" + after);
    }
    if (drewThisTurn_ && lastFrame_ > frameBound_) {
        fail("a frame took " +
             std::to_string(
                 std::chrono::duration_cast<std::chrono::milliseconds>(lastFrame_).count()) +
             " ms, over the bound of " + std::to_string(frameBound_.count()) + " ms" + after);
    }
}

std::size_t runLength(std::size_t full) {
#if defined(VELTRO_HAVE_ASAN)
    const char* text = std::getenv("VELTRO_FULL_LENGTH");
    if (text == nullptr || std::string_view(text) != "1") {
        return full / 5;
    }
#endif
    return full;
}

std::size_t heapBytesInUse() {
#if defined(VELTRO_HAVE_ASAN)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

}  // namespace veltro::hardening
