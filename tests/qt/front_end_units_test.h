#pragma once

#include <QObject>

namespace veltro::qt::testing {

// The translation tables of the front end, without widgets.
class FrontEndUnitsTest : public QObject {
    Q_OBJECT

  private slots:
    void keysMapToEditorKeys_data();
    void keysMapToEditorKeys();
    void displayProblemIsFoundBeforeQtTries_data();
    void displayProblemIsFoundBeforeQtTries();
};

}  // namespace veltro::qt::testing
