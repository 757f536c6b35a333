// A read-only, static cursor over the rows one query returns.
#pragma once

#include "store/RiddleSource.h"

#include <QString>
#include <QVariant>

#include <memory>
#include <optional>

class Connection;

// A view of one field of the current row, valid until the record set moves or closes: a full
// read hands out a million rows, and copying each value out costs as much as reading it.
struct Field {
    const QVariant& Value;  // null for a missing value
};

class RecordSet final {
public:
    // The one kind of cursor and lock the riddle file is read with; every cursor here can count
    // its rows and move by any number, wherever it lives.
    enum class CursorType { Static = 3 };
    enum class LockType { ReadOnly = 1 };

    // Runs one of the two riddle queries; throws StoreError for any other text, or when the
    // connection is closed.
    void Open(const QString& sql, Connection& connection, CursorType cursor, LockType lock);
    int State() const;
    bool IsOpen() const { return State() != 0; }
    void Close();

    // True when there is no current row: an empty result, or past the last row.
    bool Eof() const;
    qint64 RecordCount();
    // Moves n rows forward from the current row.
    void Move(qint64 n);
    void MoveNext();
    // The current row's field at a zero-based position.
    Field Fields(int position) const;

private:
    void RequireOpen() const;
    void RequireRow() const;
    void SwitchToKeys();
    void NextScanned();
    void LoadKeyedRow();

    std::shared_ptr<RiddleSource> table_;
    // A full read steps through the table; a positioned read, a count or a random selection
    // works on a list of row keys instead.
    std::unique_ptr<RiddleScan> scan_;
    std::shared_ptr<const RowKeys> keys_;
    std::unique_ptr<KeyedRows> keyedRows_;  // the rows of a random selection
    qint64 position_ = 0;
    std::optional<RiddleRow> row_;
};
