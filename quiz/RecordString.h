// The quiz keeps each riddle as one record string: the cleaned riddle text, the separator token
// and the answer as stored.
#pragma once

#include <QString>
#include <QStringList>

inline const QString RecordSeparator = QStringLiteral("||MySeparator12||\"");

inline QString MakeRecordString(const QString& cleanedRiddle, const QString& answer) {
    return cleanedRiddle + RecordSeparator + answer;
}

// The record's pieces; an empty record has none at all.
QStringList RecordPieces(const QString& record);

// Piece n trimmed of blanks; throws std::runtime_error when the record has no such piece.
QString RecordPiece(const QString& record, int n);

// The riddle of a record as a screen reader reads it: the first piece, without the answer;
// empty for an empty record.
QString RecordRiddle(const QString& record);
