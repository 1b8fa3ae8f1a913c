#include "parameter_control.h"

#include <algorithm>
#include <cmath>

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include "geometry/float_to_int.h"
#include "points_model.h"

namespace veltro::qt {

namespace {

// Past this a slider position stands for more than a hundredth; typing
// still reaches any t.
constexpr int kMostSliderSteps = 1'000'000;

bool followsEditorSlider(CurveMethod method) {
    return method == CurveMethod::NestedLinear || method == CurveMethod::BSpline;
}

QString domainText(const InspectionParameter& p) {
    return QStringLiteral("[%1, %2]").arg(doubleText(p.domainStart), doubleText(p.domainEnd));
}

}  // namespace

int sliderSteps(double domainLength) {
    if (!(domainLength > 0.0)) {
        return 0;
    }
    return std::clamp(truncToInt(std::ceil(domainLength * 100.0)), 1000, kMostSliderSteps);
}

ParameterControl::ParameterControl(MessagePoster post, QWidget* parent)
    : QWidget(parent),
      post_(std::move(post)),
      summary_(new QLabel),
      slider_(new QSlider(Qt::Horizontal)),
      typed_(new QLineEdit),
      note_(new QLabel) {
    summary_->setAccessibleName(QStringLiteral("Parameter"));
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    slider_->setAccessibleName(QStringLiteral("t"));
    typed_->setAccessibleName(QStringLiteral("Typed t"));
    typed_->setAccessibleDescription(QStringLiteral("Type a t in the domain and press Enter."));
    typed_->setMaximumWidth(160);
    note_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(summary_);
    auto* row = new QHBoxLayout;
    row->addWidget(slider_, 1);
    row->addWidget(typed_);
    layout->addLayout(row);
    layout->addWidget(note_);

    connect(slider_, &QSlider::valueChanged, this, &ParameterControl::postSliderPosition);
    connect(typed_, &QLineEdit::returnPressed, this, &ParameterControl::postTyped);
}

void ParameterControl::show(const Inspection& inspection) {
    shown_ = inspection.parameter;
    const double length = shown_.domainEnd - shown_.domainStart;
    settable_ = !followsEditorSlider(inspection.method) && length > 0.0;
    summary_->setText(QStringLiteral("t = %1 in %2").arg(doubleText(shown_.t), domainText(shown_)));

    const int steps = sliderSteps(length);
    {
        const QSignalBlocker block(slider_);
        slider_->setRange(0, steps);
        slider_->setValue(
            length > 0.0 ? truncToInt(std::round((shown_.t - shown_.domainStart) / length * steps))
                         : 0);
    }
    slider_->setEnabled(settable_);
    typed_->setEnabled(settable_);
    // Text being typed stays until Enter or until the field is left.
    if (!(typed_->hasFocus() && typed_->isModified())) {
        typed_->setText(doubleText(shown_.t));
        typed_->setModified(false);
    }
    if (!settable_) {
        note_->setText(followsEditorSlider(inspection.method)
                           ? QStringLiteral("t follows the editor's slider.")
                           : QString());
    }
}

void ParameterControl::postSliderPosition(int position) {
    if (!settable_) {
        return;
    }
    const double length = shown_.domainEnd - shown_.domainStart;
    // The product is a whole number, so the quotient is the nearest double
    // to a short decimal.
    const double t = shown_.domainStart + length * position / slider_->maximum();
    note_->clear();
    post_(Message::inspect(t));
}

void ParameterControl::postTyped() {
    if (!settable_) {
        return;
    }
    const QString text = typed_->text();
    bool ok = false;
    const double t = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(t)) {
        note_->setText(QStringLiteral("Refused: \"%1\" is not a number.").arg(text));
    } else if (t < shown_.domainStart || t > shown_.domainEnd) {
        note_->setText(
            QStringLiteral("Refused: %1 is outside %2.").arg(text.trimmed(), domainText(shown_)));
    } else {
        note_->clear();
        typed_->setModified(false);
        post_(Message::inspect(t));
        return;
    }
    typed_->setText(doubleText(shown_.t));
    typed_->setModified(false);
}

}  // namespace veltro::qt
