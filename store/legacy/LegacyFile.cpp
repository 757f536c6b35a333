// Reading Access files through the reader's stream (store/legacy/LegacyStream.h). A stream that
// breaks its rules, or is cut short, means a damaged file.
#include "store/legacy/LegacyFile.h"

#include "store/RiddleFile.h"
#include "store/StoreError.h"
#include "store/legacy/LegacyStream.h"
#include "store/legacy/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QtEndian>

namespace {

using LegacyStream::Columns;

[[noreturn]] void Damaged(const QString& path) {
    throw StoreError(
        QStringLiteral("The riddle file %1 is damaged.").arg(QDir::toNativeSeparators(path)));
}

}  // namespace

std::vector<LegacyRow> ParseLegacyStream(const QByteArray& stream, const QString& path) {
    std::vector<LegacyRow> rows;
    qsizetype at = 0;
    const auto need = [&](qsizetype count) {
        if (stream.size() - at < count) {
            Damaged(path);
        }
    };
    while (need(1), stream[at] == LegacyStream::RowMark) {
        ++at;
        std::optional<QString> fields[Columns];
        for (std::optional<QString>& field : fields) {
            need(1);
            if (stream[at++] == LegacyStream::NullField) {
                continue;
            }
            need(4);
            const auto length =
                static_cast<qsizetype>(qFromLittleEndian<quint32>(stream.constData() + at));
            at += 4;
            need(length);
            field = QString::fromUtf8(stream.constData() + at, length);
            at += length;
        }
        rows.push_back({fields[0], fields[1], fields[2]});
    }
    if (stream[at] != LegacyStream::EndMark || at + 1 != stream.size()) {
        Damaged(path);
    }
    return rows;
}

QString FindLegacyReader() {
    const QDir programFolder(RunningProgramFolder());
    // The build lays every program side by side; an install puts the tools on the PATH and the
    // reader in the program folder.
    const QStringList places = {
        programFolder.absolutePath(),
        QDir::cleanPath(programFolder.absoluteFilePath(QStringLiteral(PROGRAM_FOLDER_FROM_TOOLS))),
    };
    for (const QString& place : places) {
        const QFileInfo reader(place + QStringLiteral("/quorvane-legacy-reader" EXECUTABLE_SUFFIX));
        if (reader.isFile() && reader.isExecutable()) {
            return reader.filePath();
        }
    }
    throw StoreError(
        QStringLiteral(
            "The reader of Access files, quorvane-legacy-reader, is in neither %1 nor %2.")
            .arg(QDir::toNativeSeparators(places[0]), QDir::toNativeSeparators(places[1])));
}

std::vector<LegacyRow> ReadLegacyRiddles(const QString& readerPath, const QString& path,
                                         int silenceMs) {
    QProcess reader;
    reader.setProgram(readerPath);
    reader.setArguments({path});
    reader.setProcessChannelMode(QProcess::SeparateChannels);
    reader.start(QIODevice::ReadOnly);
    if (!reader.waitForStarted()) {
        throw StoreError(QStringLiteral("The reader of Access files, %1, cannot be started: %2")
                             .arg(QDir::toNativeSeparators(readerPath), reader.errorString()));
    }
    QByteArray stream;
    while (reader.state() != QProcess::NotRunning) {
        if (!reader.waitForReadyRead(silenceMs) && reader.state() != QProcess::NotRunning) {
            reader.kill();
            reader.waitForFinished();
            Damaged(path);
        }
        stream += reader.readAllStandardOutput();
    }
    stream += reader.readAllStandardOutput();
    if (reader.exitStatus() != QProcess::NormalExit) {
        Damaged(path);
    }
    switch (reader.exitCode()) {
        case LegacyStream::Whole:
            return ParseLegacyStream(stream, path);
        case LegacyStream::NoTable:
            throw StoreError(QStringLiteral("The riddle file %1 has no table %2.")
                                 .arg(QDir::toNativeSeparators(path), RiddleFile::TableName));
        case LegacyStream::TooFewColumns:
            throw StoreError(QStringLiteral("The table %1 in %2 has fewer than three columns.")
                                 .arg(RiddleFile::TableName, QDir::toNativeSeparators(path)));
        default:
            Damaged(path);
    }
}
