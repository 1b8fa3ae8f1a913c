#pragma once

#include <QDockWidget>

#include "drawing_area.h"
#include "points_model.h"

class QTableView;

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

    QTableView& pointsTable() { return *pointsTable_; }

  private:
    PointsModel* points_;
    QTableView* pointsTable_;
};

}  // namespace veltro::qt
