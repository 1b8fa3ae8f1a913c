#include "points_model.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <utility>

#include "core/editor_core.h"

namespace veltro::qt {

namespace {

QString refusal(Placement placement) {
    switch (placement) {
        case Placement::Placed:
            return {};
        case Placement::NoSuchPoint:
            return QStringLiteral("There is no such point.");
        case Placement::OntoAnotherPoint:
            return QStringLiteral("Went back: it would land on another point.");
        case Placement::OutsideArea:
            return QStringLiteral("Went back: it would stick out of the drawing area.");
    }
    return {};
}

// What the user typed as a coordinate: a finite number, or nothing.
std::optional<float> typedCoordinate(const QString& text) {
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

QString floatText(float value) {
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, static_cast<int>(result.ptr - text));
}

QString doubleText(double value) {
    if (!std::isfinite(value)) {
        return QStringLiteral("–");
    }
    char text[32];
    const auto result = std::to_chars(std::begin(text), std::end(text), value);
    return QString::fromLatin1(text, static_cast<int>(result.ptr - text));
}

PointsModel::PointsModel(MessagePoster post, QObject* parent)
    : QAbstractTableModel(parent), post_(std::move(post)) {}

void PointsModel::show(const EditorCore& core) {
    core_ = &core;
    std::vector<Point2> next;
    next.reserve(core.points().size());
    for (const ControlPoint& p : core.points()) {
        next.push_back(p.centre);
    }
    const auto oldCount = static_cast<int>(points_.size());
    const auto newCount = static_cast<int>(next.size());
    if (newCount < oldCount) {
        beginRemoveRows({}, newCount, oldCount - 1);
        points_.resize(next.size(), Point2());
        notes_.erase(notes_.lower_bound(next.size()), notes_.end());
        endRemoveRows();
    } else if (newCount > oldCount) {
        beginInsertRows({}, oldCount, newCount - 1);
        points_.resize(next.size(), Point2());
        endInsertRows();
    }
    for (std::size_t i = 0; i < next.size(); ++i) {
        if (!(points_[i] == next[i])) {
            points_[i] = next[i];
            const auto row = static_cast<int>(i);
            emit dataChanged(index(row, X), index(row, Y));
        }
    }
}

int PointsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(points_.size());
}

int PointsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant PointsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= points_.size()) {
        return {};
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto note = notes_.find(row);
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        switch (index.column()) {
            case Number:
                return index.row() + 1;
            case X:
                return floatText(points_[row].x);
            case Y:
                return floatText(points_[row].y);
            case Delete:
                return QStringLiteral("Delete");
            case Note:
                return note == notes_.end() ? QString() : note->second;
            default:
                return {};
        }
    }
    if (role == Qt::ToolTipRole && note != notes_.end()) {
        return note->second;
    }
    if (role == Qt::AccessibleTextRole && index.column() == Delete) {
        return QStringLiteral("Delete point %1").arg(index.row() + 1);
    }
    if (role == Qt::TextAlignmentRole && index.column() != Note) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant PointsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
        case Number:
            return QStringLiteral("Point");
        case X:
            return QStringLiteral("x");
        case Y:
            return QStringLiteral("y");
        case Delete:
            return QStringLiteral("Delete");
        case Note:
            return QStringLiteral("Note");
        default:
            return {};
    }
}

Qt::ItemFlags PointsModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.column() == X || index.column() == Y) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

bool PointsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || core_ == nullptr || index.row() < 0 ||
        static_cast<std::size_t>(index.row()) >= points_.size() ||
        (index.column() != X && index.column() != Y)) {
        return false;
    }
    const auto row = static_cast<std::size_t>(index.row());
    const auto typed = typedCoordinate(value.toString());
    if (!typed) {
        notes_[row] = QStringLiteral("Refused: \"%1\" is not a number.").arg(value.toString());
        emit dataChanged(this->index(index.row(), X), this->index(index.row(), Note));
        return false;
    }
    const Point2 target =
        index.column() == X ? Point2(*typed, points_[row].y) : Point2(points_[row].x, *typed);
    const Placement placement = core_->placementOf(index.row(), target.x, target.y);
    if (placement == Placement::Placed) {
        notes_.erase(row);
    } else {
        notes_[row] = refusal(placement);
    }
    emit dataChanged(this->index(index.row(), X), this->index(index.row(), Note));
    post_(Message::place(index.row(), target.x, target.y));
    return placement == Placement::Placed;
}

void PointsModel::deleteRow(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= points_.size()) {
        return;
    }
    notes_.clear();
    post_(Message::deletePoint(row));
}

}  // namespace veltro::qt
