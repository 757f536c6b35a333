// The quiz's record string and guess rule. The input is a riddle, an answer list and a guess,
// separated by line feeds.
#include "fuzz/Fuzz.h"
#include "quiz/QuizModel.h"
#include "quiz/RecordString.h"
#include "results/RiddleText.h"

#include <QStringList>

namespace {

// Upper case for lower and back, for ASCII letters only: other scripts fold case in ways that
// change a text's length.
QString FlipAsciiCase(QString text) {
    for (QChar& c : text) {
        if (c >= u'a' && c <= u'z') {
            c = QChar(c.unicode() - 32);
        } else if (c >= u'A' && c <= u'Z') {
            c = QChar(c.unicode() + 32);
        }
    }
    return text;
}

void CheckRecord(const QString& riddle, const QString& answer) {
    const QString record = MakeRecordString(riddle, answer);
    if (riddle.contains(RecordSeparator) || answer.contains(RecordSeparator)) {
        return;  // such an answer splits into more pieces, as the program has always done
    }
    Require(RecordPieces(record) == QStringList({riddle, answer}), "a record splits as built");
    Require(RecordPiece(record, 0) == TrimBlanks(riddle), "piece 0 is the trimmed riddle");
    Require(RecordPiece(record, 1) == TrimBlanks(answer), "piece 1 is the trimmed answer");
}

void CheckGuess(const QString& answers, const QString& guess) {
    const bool verdict = GuessIsRight(guess, answers);
    Require(GuessIsRight(FlipAsciiCase(guess), FlipAsciiCase(answers)) == verdict,
            "flipping the case of guess and answers together keeps the verdict");
    QStringList padded = answers.split(u',');
    for (QString& piece : padded) {
        piece = QStringLiteral("  ") + piece + QStringLiteral(" ");
    }
    Require(GuessIsRight(guess, padded.join(u',')) == verdict,
            "blanks around the answers keep the verdict");
    const qsizetype comma = answers.indexOf(u',');
    if (comma >= 0) {
        Require(verdict == (GuessIsRight(guess, answers.left(comma)) ||
                            GuessIsRight(guess, answers.mid(comma + 1))),
                "the verdict for a,b is the verdict for a or for b");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList parts = QString::fromUtf8(FuzzBytes(data, size)).split(u'\n');
    const QString riddle = parts.value(0);
    const QString answers = parts.value(1);
    const QString guess = parts.value(2);
    CheckRecord(riddle, answers);
    CheckGuess(answers, guess);
    return 0;
}
