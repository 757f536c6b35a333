// A chunked scan on a helper connection that only one scan may use at a time: the flag `busy`
// is raised while this scan lasts, so that a scan begun inside it reads on its own instead.
#pragma once

#include "store/scan/ChunkedScan.h"

class HelpedScan final : public RiddleScan {
public:
    HelpedScan(sqlcipher::Database& db, sqlcipher::Database& helperDb, sqlcipher::Statement& start,
               bool& busy)
        : scan_(db, helperDb, start), busy_(busy) {
        busy_ = true;
    }
    ~HelpedScan() override { busy_ = false; }
    HelpedScan(const HelpedScan&) = delete;
    HelpedScan& operator=(const HelpedScan&) = delete;

    bool Next(RiddleRow& row) override { return scan_.Next(row); }

private:
    ChunkedScan scan_;
    bool& busy_;
};
