// The legacy reader's row stream as the program receives it: whole rows or the "damaged" report,
// and rows written back in the same framing read back the same.
#include "fuzz/Fuzz.h"
#include "store/StoreError.h"
#include "store/legacy/LegacyFile.h"

#include <QtEndian>

namespace {

QByteArray Frame(const std::vector<LegacyRow>& rows) {
    QByteArray stream;
    for (const LegacyRow& row : rows) {
        stream += 'R';
        for (const std::optional<QString>& field : {row.id, row.riddle, row.answer}) {
            if (!field) {
                stream += '\0';
                continue;
            }
            const QByteArray text = field->toUtf8();
            char length[4];
            qToLittleEndian(static_cast<quint32>(text.size()), length);
            stream += '\1';
            stream.append(length, 4);
            stream += text;
        }
    }
    return stream + 'E';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<LegacyRow> rows;
    try {
        rows = ParseLegacyStream(FuzzBytes(data, size), QStringLiteral("old.mdb"));
    } catch (const StoreError& error) {
        Require(QString::fromUtf8(error.what()).endsWith(QStringLiteral(" is damaged.")),
                "a broken stream is reported as a damaged file");
        return 0;
    }
    std::vector<LegacyRow> again;
    try {
        again = ParseLegacyStream(Frame(rows), QStringLiteral("old.mdb"));
    } catch (const StoreError&) {
        Require(false, "rows framed again can be read");
    }
    RequireSameRows(rows, again);
    return 0;
}
