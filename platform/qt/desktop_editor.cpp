#include "desktop_editor.h"

#include <QCoreApplication>
#include <QEvent>

#include "curves/update_scene.h"
#include "ui/input.h"

namespace veltro::qt {

namespace {

constexpr std::size_t kPixelCount =
    static_cast<std::size_t>(FrameBuffer::kWidth) * FrameBuffer::kHeight;

}  // namespace

DesktopEditor::DesktopEditor()
    : window_(queue_),
      shell_(window_),
      pixels_(kPixelCount, 0xFFFFFFFFu),
      frame_(pixels_.data(), FrameBuffer::kWidth, FrameBuffer::kHeight) {}

void DesktopEditor::show() {
    window_.show();
    window_.drawingArea().setFocus();
}

int DesktopEditor::run(Clock& clock, Sleeper& sleeper) {
    FrameLoop loop(clock, sleeper);
    loop.start();
    while (!state_.quitRequested) {
        loop.turn(*this);
    }
    return 0;
}

void DesktopEditor::pumpMessage() {
    // Whatever arrived while the last frame was drawn is queued first, so
    // the turn sees the same backlog a native queue would hold.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_.disposeEndedDialogs();
    if (auto message = queue_.take()) {
        handleMessage(state_, shell_, *message);
    }
}

bool DesktopEditor::redrawRequested() const {
    return state_.redrawRequested;
}

void DesktopEditor::drawFrame() {
    updateScene(state_, frame_);
}

void DesktopEditor::present() {
    window_.drawingArea().showFrame(frame_);
    frame_.clear();
    ++framesPresented_;
}

}  // namespace veltro::qt
