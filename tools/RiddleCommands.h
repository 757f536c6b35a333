// What the riddle tool's commands do, apart from reading the command line.
#pragma once

#include <QString>

#include <cstdio>
#include <functional>

class RiddleFileWriter;

// Makes the riddle file outPath anew from the rows `fill` adds: it is replaced only by a complete
// file, as kit/ReplaceFile.h's ReplaceFileWith replaces files.
void WriteRiddleFile(const QString& outPath, const QString& password,
                     const std::function<void(RiddleFileWriter&)>& fill);

// Each throws std::runtime_error with a message for the user; none leaves a partial file.
void MakeRiddleFile(const QString& tsvPath, const QString& outPath, const QString& password);
void DumpRiddleFile(const QString& path, const QString& password, std::FILE* out);
// Writes our riddle file, keyed with the program's password, from a riddle file of any kind the
// program reads (an Access file among them) opened with oldPassword. A row without a whole-number
// id, or repeating an earlier id, stops it with the row's position; nothing is written then.
void ImportRiddleFile(const QString& oldPath, const QString& newPath, const QString& oldPassword);
void GenerateRiddleFile(qint64 count, const QString& outPath, quint64 seed,
                        const QString& password);
