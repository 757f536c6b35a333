// Quiz navigation and guessing, step by step in the order the user sees the effects.
#include "quiz/QuizModel.h"

#include "kit/ErrorReport.h"
#include "quiz/RecordString.h"
#include "results/ResultList.h"
#include "results/RiddleText.h"

#include <QLocale>

#include <limits>
#include <stdexcept>

namespace {

bool GuessMatches(const QString& guess, const QString& answer) {
    const QLocale locale;
    const QString folded = locale.toLower(answer);
    return folded == locale.toLower(guess) || folded == locale.toLower(guess + u's');
}

// Adds one to a 16-bit counter; past 32767 it throws and the counter keeps its value.
void Increment(qint16& counter) {
    if (counter == std::numeric_limits<qint16>::max()) {
        throw std::overflow_error("Overflow: a riddle can be counted at most 32767 times.");
    }
    ++counter;
}

}  // namespace

bool GuessIsRight(const QString& guess, const QString& storedAnswers) {
    for (const QString& piece : storedAnswers.split(u',')) {
        const QString answer = TrimBlanks(piece);
        if (!answer.isEmpty() && GuessMatches(guess, answer)) {
            return true;
        }
    }
    return false;
}

QuizModel::QuizModel(RiddleDrawer loadRandomRiddle, ResultList& results, Messages& messages)
    : loadRandomRiddle_(std::move(loadRandomRiddle)), results_(results), messages_(messages) {}

void QuizModel::Open(ErrorTrap& trap) {
    trap.Step(3, [&] { CurrentRiddle = loadRandomRiddle_(); });
    trap.Step(4, [&] { riddleBox = RecordPiece(CurrentRiddle, 0); });
}

void QuizModel::Next(ErrorTrap& trap) {
    trap.Step(1, [&] {
        if (GuessCount > 0 || CorrectCount > 0) {
            const int row = results_.AddRow(CurrentRiddle);
            results_.SetSubItem(row, 1, QString::number(GuessCount));
            results_.SetSubItem(row, 2, QString::number(CorrectCount));
        }
    });
    trap.Step(2, [&] { canGoBack = true; });
    trap.Step(3, [&] { PreviousRiddle = CurrentRiddle; });
    trap.Step(4, [&] { CurrentRiddle = loadRandomRiddle_(); });
    trap.Step(5, [&] { riddleBox = RecordPiece(CurrentRiddle, 0); });
    trap.Step(6, [&] {
        guessBox.clear();
        answerBox.clear();
    });
    trap.Step(7, [&] {
        GuessCount = 0;
        CorrectCount = 0;
    });
}

void QuizModel::Previous(ErrorTrap& trap) {
    trap.Step(1, [&] { canGoBack = false; });
    trap.Step(2, [&] { CurrentRiddle = PreviousRiddle; });
    trap.Step(3, [&] { riddleBox = RecordPiece(CurrentRiddle, 0); });
    trap.Step(4, [&] { guessBox.clear(); });
}

void QuizModel::ShowAnswer(ErrorTrap& trap) {
    trap.Step(1, [&] { answerBox = RecordPiece(CurrentRiddle, 1); });
}

void QuizModel::Guess(ErrorTrap& trap) {
    const QString guess = guessBox;
    if (guess.isEmpty()) {
        return;
    }
    trap.Step(3, [&] { Increment(GuessCount); });
    QString answers;
    trap.Step(4, [&] { answers = RecordPiece(CurrentRiddle, 1); });
    bool matched = false;
    // A full counter is reported, and the correct guess still counts as found.
    const auto countCorrectGuess = [&] {
        trap.Step(5, [&] { Increment(CorrectCount); });
    };
    trap.Step(5, [&] {
        if (GuessIsRight(guess, answers)) {
            matched = true;
            messages_.ShowMessage(QStringLiteral("You got a correct guess."));
            countCorrectGuess();
        }
    });
    trap.Step(6, [&] {
        if (!matched) {
            messages_.ShowMessage(QStringLiteral("Incorrect guess."));
        }
    });
    trap.Step(7, [&] { guessBox.clear(); });
}
