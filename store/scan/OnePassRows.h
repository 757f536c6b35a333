// The rows of a large random selection, read in one pass over the table and kept packed in
// memory by their place in the selection. Looking up each of a million rows would decrypt a
// page for almost every one; the pass decrypts each page once.
#pragma once

#include "store/RiddleSource.h"
#include "store/sqlcipher/SqlCipher.h"

#include <QByteArray>

class OnePassRows final : public KeyedRows {
public:
    // `all` are the table's keys in order, `selected` some of them in any order.
    OnePassRows(const RowKeys& all, std::shared_ptr<const RowKeys> selected,
                sqlcipher::Database& db);

    RiddleRow At(qint64 position) override;

private:
    void Pack(const sqlcipher::Statement& row, qint64 position);

    std::shared_ptr<const RowKeys> selected_;
    QString path_;
    int columns_ = 0;
    std::vector<QByteArray> blocks_;
    std::vector<quint64> places_;  // per position: block << 32 | (offset + 1); 0 when missing
};
