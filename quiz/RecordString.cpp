// Splitting record strings at the separator token.
#include "quiz/RecordString.h"

#include "results/RiddleText.h"

#include <stdexcept>

QStringList RecordPieces(const QString& record) {
    if (record.isEmpty()) {
        return {};
    }
    return record.split(RecordSeparator);
}

QString RecordRiddle(const QString& record) {
    const QStringList pieces = RecordPieces(record);
    return pieces.isEmpty() ? QString() : TrimBlanks(pieces[0]);
}

QString RecordPiece(const QString& record, int n) {
    const QStringList pieces = RecordPieces(record);
    if (n >= pieces.size()) {
        throw std::runtime_error(n == 0
                                     ? "There is no riddle to show: the riddle file has no riddles."
                                     : "There is no answer for this riddle.");
    }
    return TrimBlanks(pieces[n]);
}
