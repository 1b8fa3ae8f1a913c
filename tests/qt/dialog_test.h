#pragma once

#include <QObject>

namespace veltro::qt::testing {

// The "B-Spline Input" dialog as a widget: its texts, its fields and how
// OK and Cancel reach the core.
class DialogTest : public QObject {
    Q_OBJECT

  private slots:
    void opensModelessWithTheResourceTexts();
    void degreeFieldTakesDigitsOnly_data();
    void degreeFieldTakesDigitsOnly();
    void knotFieldStopsAtTheReadLimit();
    void okHandsTheTypedTextsToTheCore();
    void everyWayOfCancellingIsCancel_data();
    void everyWayOfCancellingIsCancel();
    void twoDialogsAtOnceEndIndependently();
    void keysTypedIntoTheDialogStayThere();
};

}  // namespace veltro::qt::testing
