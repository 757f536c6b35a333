// Result list rows and columns, and how a list view reads and ticks them.
#include "results/ResultList.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

[[noreturn]] void NoSuch(const char* what, int number) {
    throw std::out_of_range(QStringLiteral("The list has no %1 %2.")
                                .arg(QString::fromLatin1(what))
                                .arg(number)
                                .toStdString());
}

// Row or column `number`, counted from 1.
template <typename Items>
auto& Numbered(Items& items, int number, const char* what) {
    if (number < 1 || static_cast<size_t>(number) > items.size()) {
        NoSuch(what, number);
    }
    return items[static_cast<size_t>(number - 1)];
}

// A list shows one line per row: each line break of a text shows as one blank there, while the
// row itself, its exports and the detail panel keep the text as it is.
QString OneLine(QString text) {
    if (text.contains(u'\r') || text.contains(u'\n')) {
        text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        text.replace(u'\r', u' ');
        text.replace(u'\n', u' ');
    }
    return text;
}

}  // namespace

QByteArrayView TextBlocks::Keep(QByteArrayView bytes) {
    constexpr qsizetype BlockSize = 1 << 20;
    if (size_ - used_ < bytes.size()) {
        size_ = std::max(BlockSize, bytes.size());
        blocks_.push_back(std::make_shared_for_overwrite<char[]>(static_cast<size_t>(size_)));
        used_ = 0;
    }
    char* at = blocks_.empty() ? nullptr : blocks_.back().get() + used_;
    if (!bytes.isEmpty()) {
        std::memcpy(at, bytes.data(), static_cast<size_t>(bytes.size()));
    }
    used_ += bytes.size();
    return {at, bytes.size()};
}

ResultRow::ResultRow(TextBlocks& blocks, const QString& text,
                     const std::optional<QString>& firstSubItem) {
    Keep(blocks, firstSubItem ? text.toUtf8() + '\xff' + firstSubItem->toUtf8() : text.toUtf8());
}

void ResultRow::Keep(TextBlocks& blocks, QByteArrayView packed) {
    const QByteArrayView kept = blocks.Keep(packed);
    data_ = kept.data();
    size_ = static_cast<quint32>(kept.size());
}

QString ResultRow::Text() const {
    const qsizetype end = Packed().indexOf('\xff');
    return QString::fromUtf8(end < 0 ? Packed() : Packed().first(end));
}

QString ResultRow::SubItem(int n) const {
    if (n < 1) {
        return {};
    }
    // Exports ask for every cell of a million rows, so the piece is found where it lies.
    QByteArrayView rest = Packed();
    for (int piece = 0; piece < n; ++piece) {
        const qsizetype separator = rest.indexOf('\xff');
        if (separator < 0) {
            return {};
        }
        rest = rest.sliced(separator + 1);
    }
    const qsizetype end = rest.indexOf('\xff');
    return QString::fromUtf8(end < 0 ? rest : rest.first(end));
}

void ResultRow::SetSubItem(TextBlocks& blocks, int n, const QString& text) {
    if (n < 1) {
        NoSuch("sub-item", n);
    }
    // The old bytes stay where they are, for any snapshot that still shows them.
    QList<QByteArray> pieces = Packed().toByteArray().split('\xff');
    while (pieces.size() <= n) {
        pieces.append(QByteArray());
    }
    pieces[n] = text.toUtf8();
    Keep(blocks, pieces.join('\xff'));
}

ResultList::ResultList(QObject* parent) : QAbstractTableModel(parent) {}

void ResultList::AddColumn(const QString& header) {
    const int at = ColumnCount();
    beginInsertColumns({}, at, at);
    columns_.push_back({header, DefaultColumnWidth});
    endInsertColumns();
}

QString ResultList::ColumnHeader(int column) const {
    return Column(column).header;
}

int ResultList::ColumnWidth(int column) const {
    return Column(column).width;
}

void ResultList::SetColumnWidth(int column, int twips) {
    RequireColumn(column);
    columns_[static_cast<size_t>(column - 1)].width = twips;
    Q_EMIT ColumnWidthChanged(column);
}

int ResultList::AddRow(const QString& text) {
    Batch(*this).Add(text, std::nullopt);  // flushed as the batch ends
    return Count();
}

void ResultList::Batch::Add(const QString& text, const std::optional<QString>& firstSubItem) {
    constexpr size_t MostPending = 1 << 16;  // bounds the memory of rows not yet moved in
    if (rows_.size() == MostPending) {
        Flush();
    }
    rows_.emplace_back(list_.texts_, text, firstSubItem);
}

void ResultList::Batch::Flush() {
    if (rows_.empty()) {
        return;
    }
    const int at = list_.Count();
    list_.beginInsertRows({}, at, at + static_cast<int>(rows_.size()) - 1);
    list_.rows_.insert(list_.rows_.end(), rows_.begin(), rows_.end());
    list_.endInsertRows();
    rows_.clear();
}

void ResultList::SetSubItem(int row, int n, const QString& text) {
    At(row).SetSubItem(texts_, n, text);
    if (n < ColumnCount()) {  // a sub-item past the last column is kept but not shown
        const QModelIndex cell = index(row - 1, n);
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    }
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
    for (ResultRow& row : rows_) {
        row.ticked = ticked;
    }
    Q_EMIT dataChanged(index(0, 0), index(Count() - 1, 0), {Qt::CheckStateRole});
}

void ResultList::RemoveRow(int row) {
    RequireRow(row);
    beginRemoveRows({}, row - 1, row - 1);
    rows_.erase(rows_.begin() + (row - 1));
    endRemoveRows();
}

void ResultList::Clear() {
    beginResetModel();
    rows_.clear();
    texts_ = TextBlocks();  // a snapshot still holding the old blocks keeps them
    endResetModel();
}

ResultSnapshot ResultList::Snapshot() const {
    return ResultSnapshot(columns_, texts_, rows_);
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
    const ResultRow& row = rows_[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole) {
        return OneLine(index.column() == 0 ? row.Text() : row.SubItem(index.column()));
    }
    if (role == Qt::CheckStateRole && index.column() == 0) {
        return row.ticked ? Qt::Checked : Qt::Unchecked;
    }
    if (role == Qt::AccessibleTextRole && index.column() == 0 && accessibleText_) {
        return OneLine(accessibleText_(row.Text()));
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

const ResultRow& ResultList::At(int row) const {
    return Numbered(rows_, row, "row");
}

ResultRow& ResultList::At(int row) {
    return Numbered(rows_, row, "row");
}

const ResultColumn& ResultList::Column(int column) const {
    return Numbered(columns_, column, "column");
}

void ResultList::RequireRow(int row) const {
    At(row);
}

void ResultList::RequireColumn(int column) const {
    Column(column);
}

QString ResultSnapshot::ColumnHeader(int column) const {
    return Numbered(columns_, column, "column").header;
}

const ResultRow& ResultSnapshot::At(int row) const {
    return Numbered(rows_, row, "row");
}
