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

// Each operation runs the steps of a quiz window's handler, numbered as that handler's error
// report numbers them.

void QuizModel::Open(ErrorTrap& trap) {
    enum FormLoadStep { Draw = 3, ShowRiddle = 4 };  // of Form2::Form_Load
    trap.Step(Draw, [&] { CurrentRiddle = loadRandomRiddle_(); });
    trap.Step(ShowRiddle, [&] { riddleBox = RecordPiece(CurrentRiddle, 0); });
}

void QuizModel::Next(ErrorTrap& trap) {
    enum NextRiddleStep {  // of Form2::PushButton1_Click
        KeepRow = 1,
        AllowBack,
        KeepPrevious,
        Draw,
        ShowRiddle,
        EmptyBoxes,
        ResetCounts,
    };
    trap.Step(KeepRow, [&] {
        if (GuessCount > 0 || CorrectCount > 0) {
            const int row = results_.AddRow(CurrentRiddle);
            results_.SetSubItem(row, 1, QString::number(GuessCount));
            results_.SetSubItem(row, 2, QString::number(CorrectCount));
        }
    });
    trap.Step(AllowBack, [&] { canGoBack = true; });
    trap.Step(KeepPrevious, [&] { PreviousRiddle = CurrentRiddle; });
    trap.Step(Draw, [&] { CurrentRiddle = loadRandomRiddle_(); });
    trap.Step(ShowRiddle, [&] { riddleBox = RecordPiece(CurrentRiddle, 0); });
    trap.Step(EmptyBoxes, [&] {
        guessBox.clear();
        answerBox.clear();
    });
    trap.Step(ResetCounts, [&] {
        GuessCount = 0;
        CorrectCount = 0;
    });
}

void QuizModel::Previous(ErrorTrap& trap) {
    enum PreviousRiddleStep {  // of Form2::PushButton2_Click
        NoWayBack = 1,
        Restore,
        ShowRiddle,
        EmptyGuess,
    };
    trap.Step(NoWayBack, [&] { canGoBack = false; });
    trap.Step(Restore, [&] { CurrentRiddle = PreviousRiddle; });
    trap.Step(ShowRiddle, [&] { riddleBox = RecordPiece(CurrentRiddle, 0); });
    trap.Step(EmptyGuess, [&] { guessBox.clear(); });
}

void QuizModel::ShowAnswer(ErrorTrap& trap) {
    enum ShowAnswerStep { Show = 1 };  // of Form2::PushButton3_Click
    trap.Step(Show, [&] { answerBox = RecordPiece(CurrentRiddle, 1); });
}

void QuizModel::Guess(ErrorTrap& trap) {
    // Of Form2::PushButton4_Click; steps 1 and 2 read the guess and stop on an empty one.
    enum GuessStep { CountGuess = 3, ReadAnswers, Judge, SayWrong, EmptyGuess };
    const QString guess = guessBox;
    if (guess.isEmpty()) {
        return;
    }
    trap.Step(CountGuess, [&] { Increment(GuessCount); });
    QString answers;
    trap.Step(ReadAnswers, [&] { answers = RecordPiece(CurrentRiddle, 1); });
    bool matched = false;
    // A full counter is reported, and the correct guess still counts as found.
    const auto countCorrectGuess = [&] {
        trap.Step(Judge, [&] { Increment(CorrectCount); });
    };
    trap.Step(Judge, [&] {
        if (GuessIsRight(guess, answers)) {
            matched = true;
            messages_.ShowMessage(QStringLiteral("You got a correct guess."));
            countCorrectGuess();
        }
    });
    trap.Step(SayWrong, [&] {
        if (!matched) {
            messages_.ShowMessage(QStringLiteral("Incorrect guess."));
        }
    });
    trap.Step(EmptyGuess, [&] { guessBox.clear(); });
}
