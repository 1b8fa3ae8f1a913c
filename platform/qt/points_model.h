#pragma once

#include <cstddef>
#include <map>
#include <vector>

#include <QAbstractTableModel>

#include "drawing_area.h"
#include "geometry/control_point.h"

namespace veltro {
class EditorCore;
}

namespace veltro::qt {

// The points as a table a screen reader can walk: number (from 1, as a
// script counts them), x and y. Typing into x or y posts a place message;
// a text that is no number is refused in the cell, and a position the
// editor would send back is refused with the reason, both shown on the
// row until it is edited again.
class PointsModel final : public QAbstractTableModel {
  public:
    enum Column { Number, X, Y, Delete, Note, ColumnCount };

    PointsModel(MessagePoster post, QObject* parent);

    // Takes the points and the questions about them from the editor; rows
    // come and go only when the count changes, so an edit in progress in
    // another row survives a frame.
    void show(const EditorCore& core);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The row's Delete cell, clicked or activated: posts the deletion of
    // that point. The rows after it move up, so the notes are dropped.
    void deleteRow(int row);

  private:
    MessagePoster post_;
    const EditorCore* core_ = nullptr;
    std::vector<Point2> points_;
    std::map<std::size_t, QString> notes_;
};

// The shortest text that reads back as the same float.
QString floatText(float value);
QString doubleText(double value);

}  // namespace veltro::qt
