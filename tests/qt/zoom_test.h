#pragma once

#include <QObject>

namespace veltro::qt::testing {

// The enlarged drawing area shows the replayed frame pixel for pixel, and a
// click lands on the frame pixel under it.
class ZoomTest : public QObject {
    Q_OBJECT

  private slots:
    // Each case starts at the actual size, however the last one left it.
    void cleanup();
    void enlargedWindowShowsAndTakesTheReplayedFrame_data();
    void enlargedWindowShowsAndTakesTheReplayedFrame();
};

}  // namespace veltro::qt::testing
