#include "store/RowPacking.h"

#include <sqlite3.h>

#include <cstring>

namespace {

template <typename Number>
void PutNumber(QByteArray& out, Number value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);
    out.append(bytes, sizeof bytes);
}

template <typename Number>
Number TakeNumber(const char*& at) {
    Number value;
    std::memcpy(&value, at, sizeof value);
    at += sizeof value;
    return value;
}

}  // namespace

void PackRow(const sqlcipher::Statement& row, int first, QByteArray& out) {
    const int columns = row.ColumnCount();
    for (int column = first; column < columns; ++column) {
        const int type = row.Type(column);
        out.append(static_cast<char>(type));
        if (type == SQLITE_INTEGER) {
            PutNumber(out, row.Int64(column));
        } else if (type == SQLITE_FLOAT) {
            PutNumber(out, row.Double(column));
        } else if (type != SQLITE_NULL) {
            const QByteArrayView bytes = row.Bytes(column);
            PutNumber(out, static_cast<quint32>(bytes.size()));
            out.append(bytes);
        }
    }
}

RiddleRow UnpackRow(const char*& at, int fields) {
    RiddleRow row;
    row.reserve(static_cast<size_t>(fields));
    for (int field = 0; field < fields; ++field) {
        switch (*at++) {
            case SQLITE_NULL:
                row.emplace_back();
                break;
            case SQLITE_INTEGER:
                row.push_back(QVariant::fromValue<qint64>(TakeNumber<qint64>(at)));
                break;
            case SQLITE_FLOAT:
                row.emplace_back(TakeNumber<double>(at));
                break;
            case SQLITE_BLOB: {
                const auto size = TakeNumber<quint32>(at);
                row.emplace_back(QByteArray(at, size));
                at += size;
                break;
            }
            default: {
                const auto size = TakeNumber<quint32>(at);
                row.emplace_back(QString::fromUtf8(at, size));
                at += size;
            }
        }
    }
    return row;
}
