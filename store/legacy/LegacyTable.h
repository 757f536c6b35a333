// An Access (Jet) riddle file behind the connection: its rows are read once, at the first query,
// by the reader program, and kept for as long as the connection is open.
#pragma once

#include "store/RiddleSource.h"

#include <QString>

class LegacyTable final : public RiddleSource {
public:
    LegacyTable(QString path, QString readerPath, SeedSource seeds);

    std::shared_ptr<const RowKeys> Keys() override;
    std::shared_ptr<const RowKeys> RandomKeys(int count) override;
    RiddleRow Row(qint64 key) override;
    std::unique_ptr<RiddleScan> ScanAll() override;

private:
    const std::vector<RiddleRow>& Rows();

    QString path_;
    QString readerPath_;
    SeedSource seeds_;
    std::shared_ptr<const std::vector<RiddleRow>> rows_;
    std::shared_ptr<const RowKeys> keys_;  // the rows' positions: the file's order is the key
};
