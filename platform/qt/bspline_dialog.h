#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace veltro::qt {

// One "B-Spline Input" window. It only collects what the user typed: OK
// hands both texts on, Cancel (also Escape and the close box) hands on
// nothing; what they mean is the core's business. Either one ends it.
class BSplineDialog final : public QDialog {
  public:
    using OkHandler = std::function<void(std::string degreeText, std::string knotText)>;
    using CancelHandler = std::function<void()>;

    BSplineDialog(QWidget* owner, std::string_view degreeText, std::string_view knotText,
                  OkHandler onOk, CancelHandler onCancel);

    QLineEdit* degreeField() const { return degree_; }
    QLineEdit* knotField() const { return knots_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }
    bool ended() const { return ended_; }

    void accept() override;
    void reject() override;

  private:
    QLineEdit* degree_;
    QLineEdit* knots_;
    QPushButton* ok_;
    QPushButton* cancel_;
    OkHandler onOk_;
    CancelHandler onCancel_;
    bool ended_ = false;
};

}  // namespace veltro::qt
