#include "desktop_editor.h"

#include <utility>

#include <QCoreApplication>
#include <QEvent>

namespace veltro::qt {

DesktopEditor::DesktopEditor(Clock& clock, Sleeper& sleeper)
    : window_([this](Message message) { core().post(std::move(message)); }),
      shell_(window_),
      desktop_(shell_, clock, sleeper, this) {}

void DesktopEditor::show() {
    // An opened scene may have changed them while the window was hidden.
    window_.showCheckMarks(core());
    window_.show();
    window_.showViews(core());
    window_.drawingArea().setFocus();
    if (core().framesDrawn() > 0) {
        window_.drawingArea().showFrame(core().framePixels());
    }
}

int DesktopEditor::run() {
    while (!core().quitRequested()) {
        turn();
    }
    return 0;
}

bool DesktopEditor::turn() {
    const bool drew = core().turn();
    window_.showCheckMarks(core());
    if (!drew) {
        return false;
    }
    window_.drawingArea().showFrame(core().framePixels());
    window_.showViews(core());
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
