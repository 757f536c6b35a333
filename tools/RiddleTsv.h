// The riddle tool's text format: UTF-8, one riddle a line, id TAB riddle TAB answer.
#pragma once

#include "store/RiddleRecord.h"

#include <QString>

#include <functional>

class QIODevice;

inline const QString TsvHeader = QStringLiteral("id\triddle\tanswer");
inline const QString TsvNull = QStringLiteral("\\N");

// Reads every riddle of the file and hands it to `add`, in file order. A malformed line throws
// std::runtime_error with the text "FILE:LINE: reason".
void ReadRiddleTsv(const QString& path, const std::function<void(const RiddleRecord&)>& add);
// The same from an open device, whose errors name it `name`.
void ReadRiddleTsv(QIODevice& device, const QString& name,
                   const std::function<void(const RiddleRecord&)>& add);

// One line, without its line end, as ReadRiddleTsv reads it back: TAB, CR, LF and backslash in
// a text are written \t, \r, \n and \\, and a null is \N.
QString RiddleTsvLine(const RiddleRecord& record);
