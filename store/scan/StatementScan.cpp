// Each step reads the next row into the caller's storage.
#include "store/scan/StatementScan.h"

#include "store/scan/StatementRows.h"

bool StatementScan::Next(RiddleRow& row) {
    if (!statement_.Step()) {
        return false;
    }
    ReadRow(statement_, row);
    return true;
}
