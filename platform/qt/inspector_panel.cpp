#include "inspector_panel.h"

#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableView>
#include <QVBoxLayout>

#include "core/editor_core.h"

namespace veltro::qt {

namespace {

// Level rows list at most this many points; the rest is counted.
constexpr int kMostPointsPerLevel = 40;

QString pointText(const InspectionPoint& p) {
    return QStringLiteral("(%1, %2)").arg(doubleText(p.x), doubleText(p.y));
}

QTableView* tableView(QAbstractItemModel* model, const QString& name) {
    auto* view = new QTableView;
    view->setModel(model);
    view->setAccessibleName(name);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setMinimumHeight(110);
    return view;
}

std::vector<QStringList> methodRows(const Inspection& inspection, QStringList& headers,
                                    QString& note) {
    std::vector<QStringList> rows;
    if (inspection.bspline) {
        const BSplineNumbers& b = *inspection.bspline;
        headers = {QStringLiteral("Knot"), QStringLiteral("Multiplicity")};
        for (const KnotMultiplicity& run : b.multiplicities) {
            rows.push_back({QString::number(run.knot), QString::number(run.multiplicity)});
        }
        note = QStringLiteral("Degree %1; span %2.")
                   .arg(b.degree)
                   .arg(b.span ? QStringLiteral("[u%1, u%2)").arg(*b.span).arg(*b.span + 1)
                               : QStringLiteral("none"));
    } else if (inspection.newton) {
        headers = {QStringLiteral("k"), QStringLiteral("f[0..k] of x"),
                   QStringLiteral("f[0..k] of y")};
        for (std::size_t k = 0; k < inspection.newton->x.size(); ++k) {
            rows.push_back({QString::number(k), doubleText(inspection.newton->x[k]),
                            k < inspection.newton->y.size() ? doubleText(inspection.newton->y[k])
                                                            : QString()});
        }
        note = QStringLiteral("Newton's divided differences over the nodes 0, 1, …");
    } else if (inspection.spline) {
        headers = {QStringLiteral("Term"), QStringLiteral("x"), QStringLiteral("y")};
        const SplineNumbers& s = *inspection.spline;
        for (std::size_t i = 0; i < s.terms.size(); ++i) {
            rows.push_back({QString::fromStdString(s.terms[i]),
                            i < s.x.size() ? doubleText(s.x[i]) : QString(),
                            i < s.y.size() ? doubleText(s.y[i]) : QString()});
        }
        note = QStringLiteral("The spline's coefficients in the truncated power basis.");
    } else {
        headers = {QStringLiteral("—")};
        note = QStringLiteral("No numbers of its own for this method.");
    }
    return rows;
}

}  // namespace

InspectorPanel::InspectorPanel(MessagePoster post, QWidget* parent)
    : QDockWidget(QStringLiteral("Inspector"), parent),
      points_(new PointsModel(post, this)),
      pointsTable_(tableView(points_, QStringLiteral("Points"))),
      parameter_(new ParameterControl(std::move(post))),
      weights_(new NumberTable({QStringLiteral("Point"), QStringLiteral("w(t)")}, this)),
      curvePoint_(new QLabel),
      levels_(new NumberTable({QStringLiteral("Level"), QStringLiteral("Points")}, this)),
      methodNumbers_(new NumberTable({}, this)),
      methodNote_(new QLabel),
      plot_(new BasisPlot) {
    setObjectName(QStringLiteral("inspector"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    auto* pointsTitle = new QLabel(QStringLiteral("<b>Points</b>"));
    pointsTable_->setAccessibleDescription(
        QStringLiteral("Every point's number, x and y; type into x or y and press Enter to "
                       "move the point there."));
    pointsTable_->setSelectionBehavior(QAbstractItemView::SelectItems);
    pointsTable_->setEditTriggers(QAbstractItemView::DoubleClicked |
                                  QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed);
    // Clicked only: a style may also report the same click as activated,
    // which would delete a second point, the one that moved up.
    connect(pointsTable_, &QTableView::clicked, this, [this](const QModelIndex& index) {
        if (index.column() == PointsModel::Delete) {
            points_->deleteRow(index.row());
        }
    });
    pointsTitle->setBuddy(pointsTable_);
    layout->addWidget(pointsTitle);
    layout->addWidget(pointsTable_, 2);

    layout->addWidget(parameter_);
    addTable(layout, QStringLiteral("Weights at t"), weights_);
    curvePoint_->setAccessibleName(QStringLiteral("Curve point"));
    curvePoint_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(curvePoint_);
    addTable(layout, QStringLiteral("Levels at t"), levels_);
    addTable(layout, QStringLiteral("The method's numbers"), methodNumbers_);
    methodNote_->setWordWrap(true);
    layout->addWidget(methodNote_);
    layout->addWidget(new QLabel(QStringLiteral("<b>Basis functions</b>")));
    layout->addWidget(plot_, 2);

    // A row picked in the points table stands out in the plot, and the
    // curve under the pointer picks its row.
    connect(pointsTable_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                plot_->highlight(current.isValid() ? std::optional<std::size_t>(current.row())
                                                   : std::nullopt);
            });
    plot_->onHover([this](std::optional<std::size_t> point) {
        QItemSelectionModel& selection = *pointsTable_->selectionModel();
        selection.clearSelection();
        if (point) {
            const int row = static_cast<int>(*point);
            selection.select(QItemSelection(points_->index(row, 0),
                                            points_->index(row, PointsModel::ColumnCount - 1)),
                             QItemSelectionModel::Select);
            pointsTable_->scrollTo(points_->index(row, 0));
        }
    });

    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(body);
    scroll->setMinimumWidth(380);
    setWidget(scroll);
}

QTableView* InspectorPanel::addTable(QVBoxLayout* layout, const QString& title,
                                     NumberTable* table) {
    auto* header = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("<b>%1</b>").arg(title));
    header->addWidget(label, 1);
    auto* tsv = new QPushButton(QStringLiteral("Copy TSV"));
    auto* latex = new QPushButton(QStringLiteral("Copy LaTeX"));
    tsv->setAccessibleName(QStringLiteral("Copy %1 as tab-separated text").arg(title));
    latex->setAccessibleName(QStringLiteral("Copy %1 as a LaTeX tabular").arg(title));
    connect(tsv, &QPushButton::clicked, this, [table] {
        QApplication::clipboard()->setText(tableAsTsv(table->headers(), table->rows()));
    });
    connect(latex, &QPushButton::clicked, this, [table] {
        QApplication::clipboard()->setText(tableAsLatex(table->headers(), table->rows()));
    });
    header->addWidget(tsv);
    header->addWidget(latex);
    layout->addLayout(header);
    QTableView* view = tableView(table, title);
    label->setBuddy(view);
    layout->addWidget(view, 1);
    return view;
}

void InspectorPanel::showEditor(const EditorCore& core) {
    if (!isVisible()) {
        return;
    }
    points_->show(core);
    shownInspectionT_ = core.inspectionT();
    showInspection(core.inspection());
}

void InspectorPanel::showParameterChange(const EditorCore& core) {
    if (core.inspectionT() != shownInspectionT_) {
        showEditor(core);
    }
}

void InspectorPanel::showInspection(const Inspection& inspection) {
    parameter_->show(inspection);

    std::vector<QStringList> weights;
    double sum = 0.0;
    for (std::size_t i = 0; i < inspection.weights.size(); ++i) {
        weights.push_back({QString::number(i + 1), doubleText(inspection.weights[i])});
        sum += inspection.weights[i];
    }
    weights_->setRows(std::move(weights));
    curvePoint_->setText(inspection.curvePoint
                             ? QStringLiteral("C(t) = %1, sum of the weights %2")
                                   .arg(pointText(*inspection.curvePoint), doubleText(sum))
                             : QStringLiteral("No curve yet."));

    std::vector<QStringList> levels;
    if (inspection.levels) {
        for (std::size_t k = 0; k < inspection.levels->size(); ++k) {
            const auto& level = (*inspection.levels)[k];
            QStringList shown;
            for (std::size_t i = 0; i < level.size() && i < kMostPointsPerLevel; ++i) {
                shown << pointText(level[i]);
            }
            if (level.size() > kMostPointsPerLevel) {
                shown << QStringLiteral("… %1 more").arg(level.size() - kMostPointsPerLevel);
            }
            levels.push_back({QString::number(k), shown.join(QLatin1Char(' '))});
        }
    }
    levels_->setRows(std::move(levels));

    QStringList headers;
    QString note;
    std::vector<QStringList> rows = methodRows(inspection, headers, note);
    methodNote_->setText(note);
    methodNumbers_->setTable(std::move(headers), std::move(rows));
    plot_->show(inspection);
}

}  // namespace veltro::qt
