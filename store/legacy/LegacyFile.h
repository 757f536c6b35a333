// Access (Jet) riddle files, read by quorvane-legacy-reader in a process of its own, so that a
// damaged file can crash or stall only the reader.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

// A row of tblRiddles as the file holds it: its first three columns as text, null as nullopt.
struct LegacyRow {
    std::optional<QString> id;
    std::optional<QString> riddle;
    std::optional<QString> answer;
};

// The rows of a stream as the reader sends it. Throws StoreError calling the file at path
// damaged when the stream is not whole.
std::vector<LegacyRow> ParseLegacyStream(const QByteArray& stream, const QString& path);

// The reader as the build or the install lays it out: beside the program that runs this function,
// else in the install's program folder seen from its tools. Throws StoreError naming both places
// when it is in neither.
QString FindLegacyReader();

// Every row of the file's tblRiddles, read by the reader at readerPath, which is started with an
// argument list, never a shell. A reader that sends nothing for silenceMs is stopped. Throws
// StoreError naming the file when it has no tblRiddles, or is damaged: the reader failed, died,
// stalled or ended its stream early. Rows come whole or not at all.
std::vector<LegacyRow> ReadLegacyRiddles(const QString& readerPath, const QString& path,
                                         int silenceMs = 5000);
