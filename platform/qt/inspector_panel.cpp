#include "inspector_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "core/editor_core.h"

namespace veltro::qt {

InspectorPanel::InspectorPanel(MessagePoster post, QWidget* parent)
    : QDockWidget(QStringLiteral("Inspector"), parent),
      points_(new PointsModel(std::move(post), this)),
      pointsTable_(new QTableView) {
    setObjectName(QStringLiteral("inspector"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    auto* pointsTitle = new QLabel(QStringLiteral("Points"));
    pointsTable_->setModel(points_);
    pointsTable_->setAccessibleName(QStringLiteral("Points"));
    pointsTable_->setAccessibleDescription(
        QStringLiteral("Every point's number, x and y; type into x or y and press Enter to "
                       "move the point there."));
    pointsTable_->verticalHeader()->hide();
    pointsTable_->horizontalHeader()->setStretchLastSection(true);
    pointsTable_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    pointsTitle->setBuddy(pointsTable_);
    layout->addWidget(pointsTitle);
    layout->addWidget(pointsTable_, 1);
    setWidget(body);
}

void InspectorPanel::showEditor(const EditorCore& core) {
    if (!isVisible()) {
        return;
    }
    points_->show(core);
}

}  // namespace veltro::qt
