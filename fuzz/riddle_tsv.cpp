// The riddle tool's text reader: any bytes give riddles or one error, never a crash, and riddles
// written back as the tool writes them read back the same.
#include "fuzz/Fuzz.h"
#include "tools/RiddleTsv.h"

#include <QBuffer>

#include <stdexcept>
#include <vector>

namespace {

std::vector<RiddleRecord> Read(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    std::vector<RiddleRecord> records;
    ReadRiddleTsv(buffer, QStringLiteral("fuzz"),
                  [&](const RiddleRecord& record) { records.push_back(record); });
    return records;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<RiddleRecord> records;
    try {
        records = Read(FuzzBytes(data, size));
    } catch (const std::runtime_error&) {
        return 0;
    }
    QByteArray written;
    for (const RiddleRecord& record : records) {
        written += RiddleTsvLine(record).toUtf8() + '\n';
    }
    std::vector<RiddleRecord> again;
    try {
        again = Read(written);
    } catch (const std::runtime_error&) {
        Require(false, "riddles written back can be read");
    }
    RequireSameRows(records, again);
    return 0;
}
