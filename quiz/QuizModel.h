// The quiz apart from its window: the riddles held, the counters, going back one riddle and
// judging guesses. The window shows the three boxes and the back button as this model has them.
#pragma once

#include <QString>

#include <functional>

class ErrorTrap;
class Messages;
class ResultList;

// The guess rule: whether the guess as typed matches one of the answers stored with a riddle,
// the pieces between commas trimmed of blanks, empty ones left out. Both sides are case folded
// by the user's locale, and a guess also matches an answer that is the guess plus "s".
bool GuessIsRight(const QString& guess, const QString& storedAnswers);

class QuizModel final {
public:
    using RiddleDrawer = std::function<QString()>;

    QuizModel(RiddleDrawer loadRandomRiddle, ResultList& results, Messages& messages);

    // Each operation runs its numbered steps under the caller's trap.
    void Open(ErrorTrap& trap);
    void Next(ErrorTrap& trap);
    void Previous(ErrorTrap& trap);
    void ShowAnswer(ErrorTrap& trap);
    void Guess(ErrorTrap& trap);

    // The window's four fields.
    QString PreviousRiddle;
    QString CurrentRiddle;
    qint16 GuessCount = 0;
    qint16 CorrectCount = 0;

    // What the window shows.
    QString riddleBox;
    QString answerBox;
    QString guessBox;  // the window keeps it in step with what the user types
    bool canGoBack = false;

private:
    RiddleDrawer loadRandomRiddle_;
    ResultList& results_;
    Messages& messages_;
};
