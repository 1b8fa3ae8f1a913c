#pragma once

#include <QWidget>

#include "drawing_area.h"
#include "inspect/inspection.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace veltro::qt {

// The inspection's t and the domain, with a slider and a typed value that
// set it for the methods without the editor's slider. Both post the same
// message a script's inspect line is, so a recording keeps the t; for the
// methods with the editor's slider they only follow it.
class ParameterControl final : public QWidget {
  public:
    ParameterControl(MessagePoster post, QWidget* parent = nullptr);

    void show(const Inspection& inspection);

    QLabel& summary() { return *summary_; }
    QSlider& slider() { return *slider_; }
    QLineEdit& typed() { return *typed_; }
    QLabel& note() { return *note_; }

  private:
    void postTyped();
    void postSliderPosition(int position);

    MessagePoster post_;
    InspectionParameter shown_;
    bool settable_ = false;
    QLabel* summary_;
    QSlider* slider_;
    QLineEdit* typed_;
    QLabel* note_;
};

// The slider's positions over a domain of this length: a thousand, or one
// per hundredth of a unit on long domains, so that a position is a short
// decimal t either way.
int sliderSteps(double domainLength);

}  // namespace veltro::qt
