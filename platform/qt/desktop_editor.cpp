#include "desktop_editor.h"

#include <utility>

#include <QCoreApplication>
#include <QEvent>

#include "launch/scene_player.h"

namespace veltro::qt {

DesktopEditor::DesktopEditor(Clock& clock, Sleeper& sleeper)
    : window_([this](Message message) { core_.post(std::move(message)); }),
      shell_(window_),
      sceneClock_(clock, sleeper),
      core_(sceneShell_, sceneClock_, sceneClock_, this) {}

std::optional<std::string> DesktopEditor::openScene(const SceneFile& scene) {
    return playScene(scene, core_, sceneShell_, sceneClock_);
}

void DesktopEditor::show() {
    // An opened scene may have changed them while the window was hidden.
    window_.showCheckMarks(core_);
    window_.show();
    window_.drawingArea().setFocus();
    if (core_.framesDrawn() > 0) {
        window_.drawingArea().showFrame(core_.framePixels());
    }
    sceneShell_.endScene(core_);
}

int DesktopEditor::run() {
    while (!core_.quitRequested()) {
        turn();
    }
    return 0;
}

bool DesktopEditor::turn() {
    const bool drew = core_.turn();
    window_.showCheckMarks(core_);
    if (!drew) {
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
