// Record sets over the riddle table: sequential for full reads, by key for everything else.
#include "store/RecordSet.h"

#include "store/Connection.h"
#include "store/QueryText.h"
#include "store/StoreError.h"

void RecordSet::Open(const QString& sql, Connection& connection, CursorType, LockType) {
    if (table_) {
        throw StoreError(QStringLiteral("The record set is already open."));
    }
    const RiddleQuery query = ParseRiddleQuery(sql);
    table_ = connection.Table();
    position_ = 0;
    try {
        if (query.kind == RiddleQuery::Kind::AllRiddles) {
            scan_ = table_->ScanAll();
            NextScanned();
        } else {
            keys_ = table_->RandomKeys(query.count);
            keyedRows_ = table_->RowsOf(keys_);
            LoadKeyedRow();
        }
    } catch (...) {
        Close();  // a failed open leaves the record set closed, as it was
        throw;
    }
}

int RecordSet::State() const {
    return table_ ? 1 : 0;
}

void RecordSet::Close() {
    scan_.reset();
    keyedRows_.reset();
    keys_.reset();
    row_.reset();
    table_.reset();
}

bool RecordSet::Eof() const {
    RequireOpen();
    return !row_.has_value();
}

qint64 RecordSet::RecordCount() {
    RequireOpen();
    SwitchToKeys();
    return static_cast<qint64>(keys_->size());
}

void RecordSet::Move(qint64 n) {
    RequireRow();
    if (n < 0) {
        throw StoreError(QStringLiteral("The riddle cursor moves forward only."));
    }
    SwitchToKeys();
    position_ += n;
    LoadKeyedRow();
}

void RecordSet::MoveNext() {
    RequireRow();
    ++position_;
    if (scan_) {
        NextScanned();
    } else {
        LoadKeyedRow();
    }
}

Field RecordSet::Fields(int position) const {
    RequireRow();
    if (position < 0 || static_cast<size_t>(position) >= row_->size()) {
        throw StoreError(QStringLiteral("The riddle table has no field %1.").arg(position));
    }
    return Field{(*row_)[static_cast<size_t>(position)]};
}

void RecordSet::RequireOpen() const {
    if (!table_) {
        throw StoreError(QStringLiteral("The record set is closed."));
    }
}

void RecordSet::RequireRow() const {
    RequireOpen();
    if (!row_) {
        throw StoreError(
            QStringLiteral("There is no current riddle: the end of the list has been "
                           "reached."));
    }
}

void RecordSet::SwitchToKeys() {
    if (keys_) {
        return;
    }
    keys_ = table_->Keys();
    scan_.reset();
}

void RecordSet::NextScanned() {
    if (!row_) {
        row_.emplace();
    }
    if (!scan_->Next(*row_)) {
        row_.reset();
    }
}

void RecordSet::LoadKeyedRow() {
    row_.reset();
    if (position_ < static_cast<qint64>(keys_->size())) {
        row_ = keyedRows_ ? keyedRows_->At(position_)
                          : table_->Row((*keys_)[static_cast<size_t>(position_)]);
    }
}
