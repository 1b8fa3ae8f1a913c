#pragma once

#include <QObject>

namespace veltro::qt::testing {

// Mouse and keyboard through the real Qt event path.
class PointerKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void clickAddsAPointWhereItWasClicked();
    void doubleClickAddsOnePoint();
    void dragKeepsTheMouseUntilReleaseOutside();
    void movesAreCoalescedWhileTheLoopIsBusy();
    void otherButtonsDoNothing();
    void keysStepTheSlider_data();
    void keysStepTheSlider();
};

}  // namespace veltro::qt::testing
