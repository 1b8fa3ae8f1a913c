#include "session.h"

#include <algorithm>
#include <utility>

#include "curves/curve_colours.h"
#include "curves/update_scene.h"
#include "ui/input.h"

namespace veltro::replay {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::size_t kPixelCount =
    static_cast<std::size_t>(FrameBuffer::kWidth) * FrameBuffer::kHeight;

bool isDialogMessage(const Message& message) {
    return message.kind == Message::Kind::DialogOk || message.kind == Message::Kind::DialogCancel;
}

}  // namespace

Session::Session()
    : pixels_(kPixelCount, kWhite),
      presented_(kPixelCount, kWhite),
      frame_(pixels_.data(), FrameBuffer::kWidth, FrameBuffer::kHeight) {
    loop_.start();
}

std::optional<std::string> Session::play(const Message& message) {
    if (ended()) {
        return "the session has already ended";
    }
    Message delivered = message;
    if (isDialogMessage(message)) {
        if (state_.openDialogs.empty()) {
            return std::string(message.kind == Message::Kind::DialogOk ? "'dialog ok'"
                                                                       : "'dialog cancel'") +
                   " but no B-Spline Input dialog is open (menu 40053 opens one)";
        }
        delivered.dialogId = state_.openDialogs.back();
    }
    pending_ = std::move(delivered);
    loop_.turn(*this);
    return std::nullopt;
}

std::optional<ScriptError> Session::playAll(const std::vector<ScriptStep>& steps) {
    for (const ScriptStep& step : steps) {
        if (ended()) {
            break;
        }
        if (auto complaint = play(step.message)) {
            return ScriptError{step.line, std::move(*complaint)};
        }
    }
    return std::nullopt;
}

HostView Session::hostView() const {
    HostView view;
    view.title = shell_.title();
    view.checked.assign(shell_.checkedIds().begin(), shell_.checkedIds().end());
    for (const RecordingShell::Event& event :
         shell_.eventsOf(RecordingShell::Event::Kind::MessageBox)) {
        view.messageBoxes.push_back(MessageBoxRecord{event.second, event.first});
    }
    for (const RecordingShell::Event& event :
         shell_.eventsOf(RecordingShell::Event::Kind::Dialog)) {
        const bool open = std::find(state_.openDialogs.begin(), state_.openDialogs.end(),
                                    event.id) != state_.openDialogs.end();
        view.dialogs.push_back(DialogRecord{event.first, event.second, open});
    }
    view.framesDrawn = framesDrawn_;
    return view;
}

Figure Session::figure() const {
    Figure figure;
    // A frame with fewer than two points paints no marker, though the list
    // still holds the last one.
    if (framesDrawn_ > 0 && state_.controlPoints.size() >= 2) {
        for (const ControlPoint& marker : state_.sliderMarkers) {
            figure.discs.push_back(FigureDisc{marker.centre, marker.radius, kSliderMarkerColour});
        }
    }
    if (framesDrawn_ > 0) {
        for (const ControlPoint& point : state_.controlPoints) {
            figure.discs.push_back(FigureDisc{point.centre, point.radius, kControlPointColour});
        }
    }
    figure.segments = state_.segmentList;
    return figure;
}

void Session::pumpMessage() {
    if (pending_) {
        const Message message = std::move(*pending_);
        pending_.reset();
        handleMessage(state_, shell_, message);
    }
}

bool Session::redrawRequested() const {
    return state_.redrawRequested;
}

void Session::drawFrame() {
    updateScene(state_, frame_);
    ++framesDrawn_;
}

void Session::present() {
    presented_ = pixels_;
    frame_.clear();
}

}  // namespace veltro::replay
