// Result list rows and columns, and how a list view reads and ticks them.
#include "browser/ResultList.h"

#include <stdexcept>

ResultList::ResultList(QObject* parent) : QAbstractTableModel(parent) {}

void ResultList::AddColumn(const QString& header) {
    const int at = ColumnCount();
    beginInsertColumns({}, at, at);
    columns_.push_back({header, DefaultColumnWidth});
    endInsertColumns();
}

QString ResultList::ColumnHeader(int column) const {
    CheckColumn(column);
    return columns_[static_cast<size_t>(column - 1)].header;
}

int ResultList::ColumnWidth(int column) const {
    CheckColumn(column);
    return columns_[static_cast<size_t>(column - 1)].width;
}

void ResultList::SetColumnWidth(int column, int twips) {
    CheckColumn(column);
    columns_[static_cast<size_t>(column - 1)].width = twips;
    Q_EMIT ColumnWidthChanged(column);
}

int ResultList::AddRow(const QString& text) {
    const int at = Count();
    beginInsertRows({}, at, at);
    rows_.push_back({text.toUtf8(), false});
    endInsertRows();
    return at + 1;
}

void ResultList::SetSubItem(int row, int n, const QString& text) {
    if (n < 1) {
        throw std::out_of_range("sub-items are numbered from 1");
    }
    Row& target = At(row);
    QList<QByteArray> pieces = Pieces(target);
    while (pieces.size() <= n) {
        pieces.append(QByteArray());
    }
    pieces[n] = text.toUtf8();
    target.packed = pieces.join('\xff');
    if (n < ColumnCount()) {  // a sub-item past the last column is kept but not shown
        const QModelIndex cell = index(row - 1, n);
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    }
}

QString ResultList::Text(int row) const {
    const QByteArray& packed = At(row).packed;
    return QString::fromUtf8(packed.left(packed.indexOf('\xff')));
}

QString ResultList::SubItem(int row, int n) const {
    const QList<QByteArray> pieces = Pieces(At(row));
    return n >= 1 && n < pieces.size() ? QString::fromUtf8(pieces[n]) : QString();
}

int ResultList::SubItemCount(int row) const {
    return static_cast<int>(At(row).packed.count('\xff'));
}

bool ResultList::Ticked(int row) const {
    return At(row).ticked;
}

void ResultList::SetTicked(int row, bool ticked) {
    At(row).ticked = ticked;
    const QModelIndex cell = index(row - 1, 0);
    Q_EMIT dataChanged(cell, cell, {Qt::CheckStateRole});
}

void ResultList::SetAllTicked(bool ticked) {
    if (rows_.empty()) {
        return;
    }
    for (Row& row : rows_) {
        row.ticked = ticked;
    }
    Q_EMIT dataChanged(index(0, 0), index(Count() - 1, 0), {Qt::CheckStateRole});
}

void ResultList::RemoveRow(int row) {
    At(row);  // checks the number
    beginRemoveRows({}, row - 1, row - 1);
    rows_.erase(rows_.begin() + (row - 1));
    endRemoveRows();
}

void ResultList::Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

int ResultList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int ResultList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount();
}

QVariant ResultList::data(const QModelIndex& index, int role) const {
    if (!Holds(index)) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return index.column() == 0 ? Text(index.row() + 1) : SubItem(index.row() + 1, index.column());
    }
    if (role == Qt::CheckStateRole && index.column() == 0) {
        return Ticked(index.row() + 1) ? Qt::Checked : Qt::Unchecked;
    }
    return {};
}

bool ResultList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::CheckStateRole || index.column() != 0 || !Holds(index)) {
        return false;
    }
    SetTicked(index.row() + 1, value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ResultList::flags(const QModelIndex& index) const {
    if (!Holds(index)) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    return index.column() == 0 ? flags | Qt::ItemIsUserCheckable : flags;
}

QVariant ResultList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= ColumnCount()) {
        return {};
    }
    return columns_[static_cast<size_t>(section)].header;
}

bool ResultList::Holds(const QModelIndex& index) const {
    return index.isValid() && index.model() == this && index.row() < Count() &&
           index.column() < ColumnCount();
}

const ResultList::Row& ResultList::At(int row) const {
    if (row < 1 || row > Count()) {
        throw std::out_of_range(
            QStringLiteral("The list has no row %1.").arg(row).toStdString());
    }
    return rows_[static_cast<size_t>(row - 1)];
}

ResultList::Row& ResultList::At(int row) {
    return const_cast<Row&>(std::as_const(*this).At(row));
}

void ResultList::CheckColumn(int column) const {
    if (column < 1 || column > ColumnCount()) {
        throw std::out_of_range(
            QStringLiteral("The list has no column %1.").arg(column).toStdString());
    }
}
