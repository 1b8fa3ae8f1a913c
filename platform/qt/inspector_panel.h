#pragma once

#include <optional>

#include <QDockWidget>

#include "basis_plot.h"
#include "drawing_area.h"
#include "number_table.h"
#include "parameter_control.h"
#include "points_model.h"

class QLabel;
class QTableView;
class QVBoxLayout;

namespace veltro {
class EditorCore;
}

namespace veltro::qt {

// The Inspector: the numbers behind the drawing beside it, never in it.
// It reads the editor after each presented frame and posts what the user
// types as messages; the frame is the same whether it is open or not.
class InspectorPanel final : public QDockWidget {
  public:
    InspectorPanel(MessagePoster post, QWidget* parent);

    // Shows the editor as it is now; cheap when hidden.
    void showEditor(const EditorCore& core);
    // After a turn that drew no frame: shows the editor again only when the
    // inspection's t was set in it, as that draws nothing.
    void showParameterChange(const EditorCore& core);

    QTableView& pointsTable() { return *pointsTable_; }
    NumberTable& weights() { return *weights_; }
    QLabel& parameter() { return parameter_->summary(); }
    ParameterControl& parameterControl() { return *parameter_; }
    QLabel& curvePoint() { return *curvePoint_; }
    BasisPlot& basisPlot() { return *plot_; }

  private:
    // A titled table with buttons that copy it as TSV and as LaTeX.
    QTableView* addTable(QVBoxLayout* layout, const QString& title, NumberTable* table);
    void showInspection(const Inspection& inspection);

    PointsModel* points_;
    QTableView* pointsTable_;
    ParameterControl* parameter_;
    std::optional<double> shownInspectionT_;
    NumberTable* weights_;
    QLabel* curvePoint_;
    NumberTable* levels_;
    NumberTable* methodNumbers_;
    QLabel* methodNote_;
    BasisPlot* plot_;
};

}  // namespace veltro::qt
