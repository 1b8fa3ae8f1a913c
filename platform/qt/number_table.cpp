#include "number_table.h"

#include <utility>

namespace veltro::qt {

namespace {

QString latexText(const QString& text) {
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '\\':
                out += QStringLiteral("\\textbackslash{}");
                break;
            case '&':
            case '%':
            case '$':
            case '#':
            case '_':
            case '{':
            case '}':
                out += QLatin1Char('\\');
                out += c;
                break;
            case '^':
                out += QStringLiteral("\\^{}");
                break;
            case '~':
                out += QStringLiteral("\\~{}");
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

NumberTable::NumberTable(QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), headers_(std::move(headers)) {}

void NumberTable::setRows(std::vector<QStringList> rows) {
    if (rows.size() == rows_.size()) {
        rows_ = std::move(rows);
        if (!rows_.empty()) {
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        }
        return;
    }
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void NumberTable::setTable(QStringList headers, std::vector<QStringList> rows) {
    if (headers == headers_) {
        setRows(std::move(rows));
        return;
    }
    beginResetModel();
    headers_ = std::move(headers);
    rows_ = std::move(rows);
    endResetModel();
}

int NumberTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int NumberTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headers_.size());
}

QVariant NumberTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= rows_.size()) {
        return {};
    }
    const QStringList& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::DisplayRole && index.column() < row.size()) {
        return row[index.column()];
    }
    if (role == Qt::TextAlignmentRole) {
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant NumberTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < headers_.size()) {
        return headers_[section];
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

QString tableAsTsv(const QStringList& headers, const std::vector<QStringList>& rows) {
    QString out = headers.join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList& row : rows) {
        out += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

QString tableAsLatex(const QStringList& headers, const std::vector<QStringList>& rows) {
    const auto line = [](const QStringList& cells) {
        QStringList escaped;
        for (const QString& cell : cells) {
            escaped << latexText(cell);
        }
        return escaped.join(QStringLiteral(" & ")) + QStringLiteral(" \\\\\n");
    };
    QString out = QStringLiteral("\\begin{tabular}{%1}\n\\hline\n")
                      .arg(QString(headers.size(), QLatin1Char('r')));
    out += line(headers) + QStringLiteral("\\hline\n");
    for (const QStringList& row : rows) {
        out += line(row);
    }
    return out + QStringLiteral("\\hline\n\\end{tabular}\n");
}

}  // namespace veltro::qt
