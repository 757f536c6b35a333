// The result list of a working window: columns with headers and widths, rows with a text,
// sub-items and a tick. It is also the item model the window's list view shows.
#pragma once

#include <QAbstractTableModel>
#include <QByteArray>
#include <QStringList>

#include <deque>
#include <vector>

struct ResultColumn {
    QString header;
    int width;  // twips
};

class ResultList final : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int DefaultColumnWidth = 1440;  // twips

    explicit ResultList(QObject* parent = nullptr);

    // Columns and rows are numbered from 1.
    void AddColumn(const QString& header);
    int ColumnCount() const { return static_cast<int>(columns_.size()); }
    QString ColumnHeader(int column) const;
    int ColumnWidth(int column) const;
    void SetColumnWidth(int column, int twips);

    // Adds a row at the end and returns its number. Nothing ticks it.
    int AddRow(const QString& text);
    void SetSubItem(int row, int n, const QString& text);
    int Count() const { return static_cast<int>(rows_.size()); }
    QString Text(int row) const;
    // Empty when it was never set.
    QString SubItem(int row, int n) const;
    // The number of sub-items set on the row, the highest n given to SetSubItem.
    int SubItemCount(int row) const;
    bool Ticked(int row) const;
    void SetTicked(int row, bool ticked);
    void SetAllTicked(bool ticked);
    // The rows after it move up by one.
    void RemoveRow(int row);
    void Clear();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

Q_SIGNALS:
    void ColumnWidthChanged(int column);

private:
    bool Holds(const QModelIndex& index) const;
    void CheckColumn(int column) const;

    // A row keeps its text and sub-items in one UTF-8 buffer, each sub-item after a 0xFF byte
    // (a byte UTF-8 never uses): a list of a million riddles then costs little more than its text.
    struct Row {
        QByteArray packed;
        bool ticked = false;
    };
    const Row& At(int row) const;
    Row& At(int row);
    static QList<QByteArray> Pieces(const Row& row) { return row.packed.split('\xff'); }

    std::vector<ResultColumn> columns_;
    std::deque<Row> rows_;
};
