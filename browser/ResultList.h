// The result list of a working window: columns with headers and widths, rows with a text,
// sub-items and a tick. It is also the item model the window's list view shows.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

struct ResultColumn {
    QString header;
    int width;  // twips
};

struct ResultRow {
    QString text;
    QStringList subItems;  // sub-item n is subItems[n - 1]; missing ones are empty
    bool ticked = false;
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
    const ResultRow& Row(int row) const;
    QString SubItem(int row, int n) const;
    void SetTicked(int row, bool ticked);
    void SetAllTicked(bool ticked);
    // The rows after it move up by one.
    void RemoveRow(int row);
    void Clear();
    const std::vector<ResultRow>& Rows() const { return rows_; }

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
    void CheckRow(int row) const;
    void CheckColumn(int column) const;

    std::vector<ResultColumn> columns_;
    std::vector<ResultRow> rows_;
};
