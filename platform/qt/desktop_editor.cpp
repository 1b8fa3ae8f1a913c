#include "desktop_editor.h"

#include <utility>

#include <QCoreApplication>
#include <QEvent>

namespace veltro::qt {

DesktopEditor::DesktopEditor(Clock& clock, Sleeper& sleeper)
    : window_([this](Message message) { core_.post(std::move(message)); }),
      shell_(window_),
      core_(shell_, clock, sleeper, this) {}

void DesktopEditor::show() {
    window_.show();
    window_.drawingArea().setFocus();
}

int DesktopEditor::run() {
    while (!core_.quitRequested()) {
        turn();
    }
    return 0;
}

bool DesktopEditor::turn() {
    if (!core_.turn()) {
        return false;
    }
    window_.drawingArea().showFrame(core_.framePixels());
    ++framesPresented_;
    return true;
}

bool DesktopEditor::pumpEvents() {
    // Whatever arrived while the last frame was drawn is queued first, so
    // the turn sees the same backlog a native queue would hold.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    window_.disposeEndedDialogs();
    // Qt has delivered everything it had.
    return false;
}

}  // namespace veltro::qt
