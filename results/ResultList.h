// The result list of a working window: columns with headers and widths, rows with a text,
// sub-items and a tick. It is also the item model the window's list view shows.
#pragma once

#include "export/ExportSource.h"

#include <QAbstractTableModel>
#include <QByteArray>

#include <deque>
#include <vector>

struct ResultColumn {
    QString header;
    int width;  // twips
};

// One row's text and sub-items in a single UTF-8 buffer, each sub-item after a 0xFF byte (a byte
// UTF-8 never uses): a list of a million riddles then costs little more than its text.
class ResultRow final {
public:
    explicit ResultRow(const QString& text) : packed_(text.toUtf8()) {}

    QString Text() const;
    QString SubItem(int n) const;  // empty when never set
    int SubItemCount() const { return static_cast<int>(packed_.count('\xff')); }
    void SetSubItem(int n, const QString& text);

    bool ticked = false;

private:
    QByteArray packed_;
};

class ResultSnapshot;

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
    QString Text(int row) const { return At(row).Text(); }
    QString SubItem(int row, int n) const { return At(row).SubItem(n); }
    // The highest n given to SetSubItem for the row.
    int SubItemCount(int row) const { return At(row).SubItemCount(); }
    bool Ticked(int row) const { return At(row).ticked; }
    void SetTicked(int row, bool ticked);
    void SetAllTicked(bool ticked);
    // The rows after it move up by one.
    void RemoveRow(int row);
    void Clear();
    // The list as it stands now; later changes to the list do not reach it. Cheap: the rows'
    // texts are shared, not copied.
    ResultSnapshot Snapshot() const;

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
    const ResultRow& At(int row) const;
    ResultRow& At(int row);
    const ResultColumn& Column(int column) const;

    std::vector<ResultColumn> columns_;
    std::deque<ResultRow> rows_;
};

// A result list frozen for an export, which lets window events run and so may see the list
// reloaded or rows removed meanwhile.
class ResultSnapshot final : public ExportSource {
public:
    ResultSnapshot(std::vector<ResultColumn> columns, std::deque<ResultRow> rows)
        : columns_(std::move(columns)), rows_(std::move(rows)) {}

    int ColumnCount() const override { return static_cast<int>(columns_.size()); }
    QString ColumnHeader(int column) const override;
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    bool Ticked(int row) const override { return At(row).ticked; }
    QString Text(int row) const override { return At(row).Text(); }
    QString SubItem(int row, int n) const override { return At(row).SubItem(n); }

private:
    const ResultRow& At(int row) const;

    std::vector<ResultColumn> columns_;
    std::deque<ResultRow> rows_;
};
