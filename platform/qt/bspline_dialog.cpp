#include "bspline_dialog.h"

#include <algorithm>
#include <utility>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include "dialog_units.h"
#include "qt_text.h"
#include "ui/bspline_dialog.h"

namespace veltro::qt {

namespace {

QLabel* label(const QString& text, QWidget* parent, const QRect& geometry) {
    auto* widget = new QLabel(text, parent);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The layout was made for a narrower font than most desktops use: a
    // label may grow to the right so that its text is never cut off.
    QRect fitted = geometry;
    fitted.setWidth(std::max(geometry.width(), widget->sizeHint().width()));
    widget->setGeometry(fitted);
    return widget;
}

}  // namespace

BSplineDialog::BSplineDialog(QWidget* owner, std::string_view degreeText, std::string_view knotText,
                             OkHandler onOk, CancelHandler onCancel)
    : QDialog(owner), onOk_(std::move(onOk)), onCancel_(std::move(onCancel)) {
    setWindowTitle(QStringLiteral("B-Spline Input"));
    setModal(false);
    const DialogUnits du(fontMetrics());

    // Created in tab order: OK first, so it holds the focus when the
    // dialog opens, then Cancel, then the two fields.
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setGeometry(du.rect(230, 7, 50, 14));
    ok_->setDefault(true);
    cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancel_->setGeometry(du.rect(230, 24, 50, 14));
    label(QStringLiteral("Knot Sequence"), this, du.rect(16, 60, 55, 10));
    label(QStringLiteral("Degree"), this, du.rect(16, 30, 24, 8));
    label(QStringLiteral("For knot sequence, enter integers seperated by commas."), this,
          du.rect(15, 129, 185, 8));

    degree_ = new QLineEdit(this);
    degree_->setGeometry(du.rect(48, 27, 26, 14));
    degree_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), degree_));
    degree_->setText(toQString(degreeText));

    knots_ = new QLineEdit(this);
    knots_->setGeometry(du.rect(71, 57, 186, 14));
    // The field holds no more than the core reads.
    knots_->setMaxLength(static_cast<int>(knotFieldLimit(knotText)));
    knots_->setText(toQString(knotText));
    knots_->setCursorPosition(0);

    connect(ok_, &QPushButton::clicked, this, &BSplineDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &BSplineDialog::reject);

    const QRect whole = du.rect(0, 0, 287, 153);
    setFixedSize(whole.size());
}

void BSplineDialog::accept() {
    if (ended_) {
        return;
    }
    ended_ = true;
    // The texts as typed; the degree field can only hold digits.
    onOk_(degree_->text().toStdString(), knots_->text().toStdString());
    QDialog::accept();
}

void BSplineDialog::reject() {
    if (ended_) {
        return;
    }
    ended_ = true;
    onCancel_();
    QDialog::reject();
}

}  // namespace veltro::qt
