#pragma once

#include <QObject>

namespace veltro::qt::testing {

// The application window itself: caption, drawing area, frames, closing.
class WindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithCaptionWhiteAreaAndCrosshair();
    void showsFramesTopDownAndKeepsTheLastOne();
    void resizingShowsWhiteBeyondTheFrame();
    void clickBeyondTheFrameInAnEnlargedWindowAddsNoPoint();
    void closingEndsTheLoopWithExitCodeZero();
    void closingFinishesTheTurnAndItsPendingFrame();
    void inspectorIsOffAtFirstStartThenRemembered();
    void inspectorRefusesBadEntriesInTheCell();
    void inspectorShowsTheWorkedExampleAndCopiesIt();
    void inspectorParameterRefusesBadTAndFollowsItsSlider();
};

}  // namespace veltro::qt::testing
