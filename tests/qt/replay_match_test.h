#pragma once

#include <QObject>

namespace veltro::qt::testing {

// The window shows, pixel for pixel, what veltro-replay renders for the
// same session.
class ReplayMatchTest : public QObject {
    Q_OBJECT

  private slots:
    void sessionsLookTheSameAsReplayed_data();
    void sessionsLookTheSameAsReplayed();
    void matchesTheReplayToolsPng();
    void comparisonChoosesTheClickedMethod();
    void editKeysMatchTheirScriptLines();
    void inspectorShowsWhatReplayInspects_data();
    void inspectorShowsWhatReplayInspects();
};

}  // namespace veltro::qt::testing
