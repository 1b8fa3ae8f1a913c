#pragma once

#include <QObject>

namespace veltro::qt::testing {

// The menu bar: its layout from the core's table, the check marks, and the
// message boxes some commands show.
class MenuTest : public QObject {
    Q_OBJECT

  private slots:
    void menuBarFollowsTheMenuTable();
    void checkMarksChangeOnlyWhenTheCoreHandlesTheCommand_data();
    void checkMarksChangeOnlyWhenTheCoreHandlesTheCommand();
    void choosingThroughTheOpenMenuWorks();
    void messageBoxesAreModalWithOkOnly_data();
    void messageBoxesAreModalWithOkOnly();
    void titleShowsTheSliderAndIsResetByAMethod();
};

}  // namespace veltro::qt::testing
