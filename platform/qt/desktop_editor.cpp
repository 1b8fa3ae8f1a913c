#include "desktop_editor.h"

#include <utility>

#include <QAction>
#include <QCoreApplication>
#include <QEvent>

namespace veltro::qt {

DesktopEditor::DesktopEditor(Clock& clock, Sleeper& sleeper)
    : window_([this](Message message) { core().post(std::move(message)); }),
      shell_(window_),
      desktop_(shell_, clock, sleeper, this) {
    QObject::connect(&window_.compareAction(), &QAction::toggled, &window_,
                     [this](bool open) { setComparisonOpen(open); });
    window_.setPointFinder([this](float x, float y) { return core().pointToDeleteAt(x, y); });
}

void DesktopEditor::setComparisonOpen(bool open) {
    if (open == (compare_ != nullptr)) {
        return;
    }
    if (!open) {
        // Deleted later: this may run inside the window's own close event.
        compare_->hide();
        compare_->deleteLater();
        compare_ = nullptr;
        pictures_.reset();
        return;
    }
    pictures_ = std::make_unique<MethodPictures>();
    compare_ = new CompareWindow(
        CompareWindow::Callbacks{[this](CurveMethod method) {
                                     // The method already chosen stays as it is: its item would
                                     // start its slider or B-spline setup afresh.
                                     if (!core().isChecked(commandChoosing(method))) {
                                         core().post(Message::menu(commandChoosing(method)));
                                     }
                                 },
                                 [this] { showComparison(); },
                                 [this] { window_.compareAction().setChecked(false); }},
        &window_);
    compare_->setAttribute(Qt::WA_DeleteOnClose, false);
    showComparison();
    compare_->show();
}

void DesktopEditor::showComparison() {
    if (compare_ == nullptr || !pictures_) {
        return;
    }
    if (pictures_->paint(core(), compare_->overlaid())) {
        compare_->showPictures(*pictures_);
    }
}

void DesktopEditor::show() {
    // An opened scene may have changed them while the window was hidden.
    window_.showCheckMarks(core());
    window_.showHistory(core());
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
    window_.showHistory(core());
    if (!drew) {
        window_.showViewsWithoutFrame(core());
        return false;
    }
    window_.drawingArea().showFrame(core().framePixels());
    window_.showViews(core());
    showComparison();
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
