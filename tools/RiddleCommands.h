// What the riddle tool's commands do, apart from reading the command line.
#pragma once

#include <QString>

#include <cstdio>

// Each throws std::runtime_error with a message for the user; none leaves a partial file.
void MakeRiddleFile(const QString& tsvPath, const QString& outPath, const QString& password);
void DumpRiddleFile(const QString& path, const QString& password, std::FILE* out);
void GenerateRiddleFile(qint64 count, const QString& outPath, quint64 seed,
                        const QString& password);
