// make, dump, import and generate: riddle files from text and back, from Access files, and large
// synthetic ones, each written through the store's writer and replaced whole.
#include "tools/RiddleCommands.h"

#include "kit/ReplaceFile.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"
#include "store/sqlcipher/RiddleFileWriter.h"
#include "tools/RiddleGenerator.h"
#include "tools/RiddleTsv.h"

#include <QFileInfo>

#include <functional>
#include <optional>
#include <stdexcept>
#include <unordered_map>

namespace {

std::optional<QString> TextOrNull(const QVariant& value) {
    if (value.isNull()) {
        return std::nullopt;
    }
    return value.toString();
}

void Write(std::FILE* out, const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    if (std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), out) !=
        static_cast<size_t>(bytes.size())) {
        throw std::runtime_error("cannot write the output");
    }
}

void RequireFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        throw std::runtime_error(QStringLiteral("%1: no such file").arg(path).toStdString());
    }
}

// A full read of a riddle file of either kind; the scan needs its table kept open.
struct FileScan {
    std::shared_ptr<RiddleSource> table;
    std::unique_ptr<RiddleScan> rows;
};

FileScan ScanFile(const QString& path, const QString& password) {
    RequireFile(path);
    FileScan scan{OpenRiddleSource(path, password, [] { return quint64{0}; }), nullptr};
    scan.rows = scan.table->ScanAll();
    return scan;
}

}  // namespace

void WriteRiddleFile(const QString& outPath, const QString& password,
                     const std::function<void(RiddleFileWriter&)>& fill) {
    ReplaceFileWith(outPath, [&](int, const QString& pending) {
        std::optional<RiddleFileWriter> writer;
        try {
            writer.emplace(pending, password);
        } catch (const std::exception& error) {  // named for the file the user asked for
            throw std::runtime_error(QStringLiteral("%1: %2")
                                         .arg(outPath, QString::fromUtf8(error.what()))
                                         .toStdString());
        }
        fill(*writer);
        writer->Finish();
    });
}

void MakeRiddleFile(const QString& tsvPath, const QString& outPath, const QString& password) {
    RequireFile(tsvPath);
    WriteRiddleFile(outPath, password, [&](RiddleFileWriter& writer) {
        ReadRiddleTsv(tsvPath, [&writer](const RiddleRecord& record) { writer.Add(record); });
    });
}

void DumpRiddleFile(const QString& path, const QString& password, std::FILE* out) {
    const FileScan scan = ScanFile(path, password);
    Write(out, TsvHeader);
    for (RiddleRow row; scan.rows->Next(row);) {
        Write(out, RiddleTsvLine(
                       RiddleRecord{row[0].toLongLong(), TextOrNull(row[1]), TextOrNull(row[2])}));
    }
    if (std::fflush(out) != 0) {
        throw std::runtime_error("cannot write the output");
    }
}

void ImportRiddleFile(const QString& oldPath, const QString& newPath, const QString& oldPassword) {
    const FileScan scan = ScanFile(oldPath, oldPassword);
    WriteRiddleFile(newPath, RiddleFile::Password, [&](RiddleFileWriter& writer) {
        std::unordered_map<qint64, qint64> rowOfId;
        qint64 position = 0;
        for (RiddleRow row; scan.rows->Next(row);) {
            ++position;
            bool whole = false;
            const qint64 id = row[0].toLongLong(&whole);
            const auto fail = [&](const QString& reason) {
                return std::runtime_error(QStringLiteral("%1: row %2: %3")
                                              .arg(oldPath)
                                              .arg(position)
                                              .arg(reason)
                                              .toStdString());
            };
            if (!whole) {
                throw fail(QStringLiteral("the id is not a whole number"));
            }
            if (const auto [earlier, added] = rowOfId.emplace(id, position); !added) {
                throw fail(QStringLiteral("the id %1 was already used by row %2")
                               .arg(id)
                               .arg(earlier->second));
            }
            writer.Add(RiddleRecord{id, TextOrNull(row[1]), TextOrNull(row[2])});
        }
    });
}

void GenerateRiddleFile(qint64 count, const QString& outPath, quint64 seed,
                        const QString& password) {
    WriteRiddleFile(outPath, password, [&](RiddleFileWriter& writer) {
        RiddleGenerator generator(seed);
        for (qint64 id = 1; id <= count; ++id) {
            writer.Add(generator.Next(id));
        }
    });
}
