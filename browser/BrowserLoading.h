// The browser's loads: checking the count, the two queries, the rows and the total.
#pragma once

#include "store/QueryText.h"

#include <QString>

#include <functional>
#include <optional>

class RecordSet;
class ResultList;

// The count box's setting, and the count it shows while there is none.
inline const QString CountKey = QStringLiteral("Text1");
inline const QString DefaultCount = QStringLiteral("50");

// The message to show when the count may not go to the store, checked in the order: empty,
// not a number, one million or more. Nothing when it may go as typed.
std::optional<QString> CountProblem(const QString& countText);

QString TotalText(int rows);

// Adds one row per riddle until the record set's end: the riddle trimmed of blanks and, where
// `withAnswer` says so for the row just added, the answer as sub-item 1. A null field reads as
// empty text.
void AddRiddleRows(RecordSet& records, ResultList& list, const std::function<bool()>& withAnswer);
