#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace veltro::qt {

// A table of numbers already written as text, for a screen reader and for
// copying into an exercise sheet. Replacing the rows keeps the view's
// scroll position when the shape stays the same.
class NumberTable final : public QAbstractTableModel {
  public:
    explicit NumberTable(QStringList headers, QObject* parent);

    void setRows(std::vector<QStringList> rows);
    // New columns too, for a table whose columns depend on the method.
    void setTable(QStringList headers, std::vector<QStringList> rows);
    const QStringList& headers() const { return headers_; }
    const std::vector<QStringList>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QStringList headers_;
    std::vector<QStringList> rows_;
};

// The table as tab-separated lines, the header first.
QString tableAsTsv(const QStringList& headers, const std::vector<QStringList>& rows);
// The table as a LaTeX tabular, right-aligned columns, with TeX's special
// characters escaped.
QString tableAsLatex(const QStringList& headers, const std::vector<QStringList>& rows);

}  // namespace veltro::qt
