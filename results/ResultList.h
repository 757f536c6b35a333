// The result list of a working window: columns with headers and widths, rows with a text,
// sub-items and a tick. It is also the item model the window's list view shows.
#pragma once

#include "export/ExportSource.h"

#include <QAbstractTableModel>
#include <QByteArray>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct ResultColumn {
    QString header;
    int width;  // twips
};

// The bytes of a list's texts, in large blocks that are only ever appended to: a list of a
// million riddles costs little more than its text, and a snapshot shares the blocks instead of
// copying them, since no byte it points at ever changes.
class TextBlocks final {
public:
    // Copies the bytes in; the copy lives as long as this store or any copy of it.
    QByteArrayView Keep(QByteArrayView bytes);

private:
    std::vector<std::shared_ptr<char[]>> blocks_;
    qsizetype used_ = 0;  // of the last block
    qsizetype size_ = 0;  // of the last block
};

// One row: its text and sub-items in one run of UTF-8 kept in the list's text blocks, each
// sub-item after a 0xFF byte (a byte UTF-8 never uses).
class ResultRow final {
public:
    // A row with its text and, when given, its first sub-item.
    ResultRow(TextBlocks& blocks, const QString& text,
              const std::optional<QString>& firstSubItem = std::nullopt);

    QString Text() const;
    QString SubItem(int n) const;  // empty when never set
    int SubItemCount() const { return static_cast<int>(Packed().count('\xff')); }
    void SetSubItem(TextBlocks& blocks, int n, const QString& text);

    bool ticked = false;

private:
    QByteArrayView Packed() const { return {data_, size_}; }
    void Keep(TextBlocks& blocks, QByteArrayView packed);

    const char* data_ = nullptr;
    quint32 size_ = 0;  // a row's texts stay far below 4 GB: the store reads no text over 1 MB
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

    // Rows added through a batch reach the list, and are announced to its views, 65,536 at a
    // time and when the batch ends: a load of a million rows tells the view 16 times, not a
    // million.
    class Batch final {
    public:
        explicit Batch(ResultList& list) : list_(list) {}
        ~Batch() { Flush(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        // A row with its text and, when given, its first sub-item.
        void Add(const QString& text, const std::optional<QString>& firstSubItem);

    private:
        void Flush();

        ResultList& list_;
        std::vector<ResultRow> rows_;
    };
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
    // What a screen reader reads for a row's text (the first column), when the text as shown
    // is not what it should hear; by default the text itself.
    void SetAccessibleText(std::function<QString(const QString& text)> accessibleText) {
        accessibleText_ = std::move(accessibleText);
    }

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
    // Throw std::out_of_range when the list has no such row or column.
    void RequireRow(int row) const;
    void RequireColumn(int column) const;

    std::vector<ResultColumn> columns_;
    TextBlocks texts_;
    std::deque<ResultRow> rows_;
    std::function<QString(const QString&)> accessibleText_;
};

// A result list frozen for an export, which lets window events run and so may see the list
// reloaded or rows removed meanwhile.
class ResultSnapshot final : public ExportSource {
public:
    ResultSnapshot(std::vector<ResultColumn> columns, TextBlocks texts, std::deque<ResultRow> rows)
        : columns_(std::move(columns)), texts_(std::move(texts)), rows_(std::move(rows)) {}

    int ColumnCount() const override { return static_cast<int>(columns_.size()); }
    QString ColumnHeader(int column) const override;
    int RowCount() const override { return static_cast<int>(rows_.size()); }
    bool Ticked(int row) const override { return At(row).ticked; }
    QString Text(int row) const override { return At(row).Text(); }
    QString SubItem(int row, int n) const override { return At(row).SubItem(n); }

private:
    const ResultRow& At(int row) const;

    std::vector<ResultColumn> columns_;
    TextBlocks texts_;  // keeps the rows' bytes alive
    std::deque<ResultRow> rows_;
};
