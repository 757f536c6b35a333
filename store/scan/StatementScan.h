// A full read that steps one statement on the calling thread: for a scan begun inside another
// scan, and for files opened without a helper connection.
#pragma once

#include "store/RiddleSource.h"
#include "store/sqlcipher/SqlCipher.h"

#include <utility>

class StatementScan final : public RiddleScan {
public:
    explicit StatementScan(sqlcipher::Statement statement) : statement_(std::move(statement)) {}

    bool Next(RiddleRow& row) override;

private:
    sqlcipher::Statement statement_;
};
