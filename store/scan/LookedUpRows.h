// The rows of a small selection, looked up together in one read transaction: each lookup on its
// own would lock the file and check its journal again. A row that is gone is reported when it is
// asked for, as it would be if it were looked up then.
#pragma once

#include "store/RiddleSource.h"
#include "store/sqlcipher/SqlCipher.h"

#include <exception>
#include <variant>
#include <vector>

class LookedUpRows final : public KeyedRows {
public:
    // Looks the keys up through `source`, which reads them on `db`.
    LookedUpRows(RiddleSource& source, sqlcipher::Database& db, const RowKeys& keys);

    RiddleRow At(qint64 position) override;

private:
    std::vector<std::variant<RiddleRow, std::exception_ptr>> rows_;
};
