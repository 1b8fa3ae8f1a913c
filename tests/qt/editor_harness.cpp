#include "editor_harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QTest>

namespace veltro::qt::testing {

void InstantClock::sleepMs(std::uint32_t ms) {
    QCoreApplication::processEvents();
    now_ += ms == 0 ? 1 : ms;
}

EditorHarness::EditorHarness() : editor_(clock_, clock_) {
    editor_.show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&editor_.window());
}

void EditorHarness::settle() {
    constexpr int kMostTurns = 10000;
    for (int turn = 0; turn < kMostTurns; ++turn) {
        QCoreApplication::processEvents();
        if (!editor_.core().hasWorkPending()) {
            return;
        }
        editor_.turn();
    }
}

QImage EditorHarness::shownPixels() {
    return area()
        .grab(QRect(0, 0, static_cast<int>(EditorCore::kWidth),
                    static_cast<int>(EditorCore::kHeight)))
        .toImage()
        .convertToFormat(QImage::Format_RGB888);
}

MessageBoxWatcher::MessageBoxWatcher(const DesktopEditor* editor) : editor_(editor) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        Seen seen;
        seen.caption = box->windowTitle();
        seen.text = box->text();
        seen.buttonCount = static_cast<int>(box->buttons().size());
        seen.modal = box->isModal();
        seen.framesPresentedWhileOpen = editor_ != nullptr ? editor_->framesPresented() : 0;
        seen_.push_back(seen);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            QTest::mouseClick(ok, Qt::LeftButton);
        } else {
            box->reject();
        }
    });
    timer_.start();
}

}  // namespace veltro::qt::testing
