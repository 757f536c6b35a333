// Taking rows out of a statement as values, or packed into bytes that are unpacked later.
#include "store/scan/StatementRows.h"

#include <QVarLengthArray>

#include <sqlite3.h>

#include <cstring>

namespace {

template <typename Number>
char* PutNumber(char* at, Number value) {
    std::memcpy(at, &value, sizeof value);
    return at + sizeof value;
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
    // Sized first and written in one go: appending field by field cost more than the copying.
    struct Value {
        int type;
        QByteArrayView bytes;  // of a text or blob
    };
    QVarLengthArray<Value, 8> values;
    qsizetype size = 0;
    for (int column = first; column < row.ColumnCount(); ++column) {
        const int type = row.Type(column);
        const bool number = type == SQLITE_INTEGER || type == SQLITE_FLOAT;
        const QByteArrayView bytes =
            number || type == SQLITE_NULL ? QByteArrayView() : row.Bytes(column);
        values.append({type, bytes});
        size += 1 + (number ? 8 : type == SQLITE_NULL ? 0 : 4 + bytes.size());
    }
    const qsizetype start = out.size();
    out.resize(start + size);
    char* at = out.data() + start;
    int column = first;
    for (const Value& value : values) {
        *at++ = static_cast<char>(value.type);
        if (value.type == SQLITE_INTEGER) {
            at = PutNumber(at, row.Int64(column));
        } else if (value.type == SQLITE_FLOAT) {
            at = PutNumber(at, row.Double(column));
        } else if (value.type != SQLITE_NULL) {
            at = PutNumber(at, static_cast<quint32>(value.bytes.size()));
            if (!value.bytes.isEmpty()) {  // SQLite gives no pointer for an empty value
                std::memcpy(at, value.bytes.data(), static_cast<size_t>(value.bytes.size()));
                at += value.bytes.size();
            }
        }
        ++column;
    }
}

void UnpackRow(const char*& at, int fields, RiddleRow& row) {
    row.resize(static_cast<size_t>(fields));
    for (QVariant& field : row) {
        switch (*at++) {
            case SQLITE_NULL:
                field = QVariant();
                break;
            case SQLITE_INTEGER:
                field = QVariant::fromValue<qint64>(TakeNumber<qint64>(at));
                break;
            case SQLITE_FLOAT:
                field = TakeNumber<double>(at);
                break;
            case SQLITE_BLOB: {
                const auto size = TakeNumber<quint32>(at);
                field = QByteArray(at, size);
                at += size;
                break;
            }
            default: {
                const auto size = TakeNumber<quint32>(at);
                field = QString::fromUtf8(at, size);
                at += size;
            }
        }
    }
}

void ReadRow(const sqlcipher::Statement& statement, RiddleRow& row, int first) {
    row.resize(static_cast<size_t>(std::max(statement.ColumnCount() - first, 0)));
    for (QVariant& field : row) {
        field = statement.Value(first++);
    }
}
