#include "compare_window.h"

#include <cstring>
#include <utility>

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "core/editor_core.h"
#include "curves/curve_colours.h"
#include "qt_text.h"
#include "ui/command.h"
#include "ui/menu_table.h"

namespace veltro::qt {

namespace {

constexpr int kWidth = static_cast<int>(EditorCore::kWidth);
constexpr int kHeight = static_cast<int>(EditorCore::kHeight);

QString methodName(CurveMethod method) {
    return toQString(menuText(commandChoosing(method)));
}

// The method's colour as a swatch before its name; the name stays black, so
// the light colours remain readable.
QString swatchLabel(CurveMethod method) {
    const Colour colour = curveColour(method);
    const QColor swatch(static_cast<int>(colour.r), static_cast<int>(colour.g),
                        static_cast<int>(colour.b));
    return QStringLiteral("<span style=\"color:%1\">&#x25A0;</span> %2")
        .arg(swatch.name(), methodName(method).toHtmlEscaped());
}

}  // namespace

MethodPictureView::MethodPictureView(std::function<void()> clicked, QWidget* parent)
    : QWidget(parent),
      clicked_(std::move(clicked)),
      picture_(kWidth, kHeight, QImage::Format_RGB32) {
    picture_.fill(Qt::white);
    setMinimumSize(kWidth / 4, kHeight / 4);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void MethodPictureView::showPicture(const std::vector<std::uint32_t>& words) {
    if (words.size() != static_cast<std::size_t>(kWidth) * kHeight) {
        return;
    }
    std::memcpy(picture_.bits(), words.data(), words.size() * sizeof(words[0]));
    update();
}

QSize MethodPictureView::sizeHint() const {
    return {kWidth / 2, kHeight / 2};
}

int MethodPictureView::heightForWidth(int width) const {
    return width * kHeight / kWidth;
}

void MethodPictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    QSize fitted(kWidth, kHeight);
    fitted.scale(size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2),
                       fitted);
    // Smoothing keeps one-pixel lines visible when the picture shrinks.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture_);
    painter.setPen(palette().mid().color());
    painter.drawRect(target.adjusted(0, 0, -1, -1));
}

void MethodPictureView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && clicked_) {
        clicked_();
    }
}

CompareWindow::CompareWindow(Callbacks callbacks, QWidget* parent)
    : QWidget(parent, Qt::Window), callbacks_(std::move(callbacks)) {
    setWindowTitle(QStringLiteral("Compare Methods"));
    auto* layout = new QGridLayout(this);
    const auto methods = methodsInMenuOrder();
    for (std::size_t i = 0; i < methods.size(); ++i) {
        const CurveMethod method = methods[i];
        const int row = static_cast<int>(i / 3) * 2;
        const int column = static_cast<int>(i % 3);
        auto* label = new QLabel(swatchLabel(method), this);
        auto* view = new MethodPictureView(
            [this, method] {
                if (callbacks_.choose) {
                    callbacks_.choose(method);
                }
            },
            this);
        view->setCursor(Qt::PointingHandCursor);
        view->setToolTip(QStringLiteral("Choose %1").arg(methodName(method)));
        view->setAccessibleName(methodName(method));
        label->setBuddy(view);
        layout->addWidget(label, row, column);
        layout->addWidget(view, row + 1, column);
        methodViews_[static_cast<std::size_t>(method)] = view;
    }

    // The overlay spans the column to the right, its check boxes above it.
    auto* overlayColumn = new QVBoxLayout;
    overlayColumn->addWidget(new QLabel(QStringLiteral("Overlay"), this));
    for (const CurveMethod method : methods) {
        auto* box = new QCheckBox(methodName(method), this);
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] {
            if (callbacks_.overlayChanged) {
                callbacks_.overlayChanged();
            }
        });
        overlayColumn->addWidget(box);
        overlayBoxes_[static_cast<std::size_t>(method)] = box;
    }
    overlayView_ = new MethodPictureView({}, this);
    overlayView_->setAccessibleName(QStringLiteral("Overlay"));
    overlayColumn->addWidget(overlayView_, 1);
    layout->addLayout(overlayColumn, 0, 3, 4, 1);
    for (int column = 0; column < 4; ++column) {
        layout->setColumnStretch(column, 1);
    }
    resize(1280, 560);
}

void CompareWindow::showPictures(const MethodPictures& pictures) {
    for (std::size_t i = 0; i < methodViews_.size(); ++i) {
        methodViews_[i]->showPicture(pictures.method(static_cast<CurveMethod>(i)));
    }
    overlayView_->showPicture(pictures.overlay());
}

MethodSet CompareWindow::overlaid() const {
    MethodSet chosen{};
    for (std::size_t i = 0; i < overlayBoxes_.size(); ++i) {
        chosen[i] = overlayBoxes_[i]->isChecked();
    }
    return chosen;
}

void CompareWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (callbacks_.closed) {
        callbacks_.closed();
    }
}

}  // namespace veltro::qt
