// The quiz window: one riddle at a time, one step back, the answer on request, judged guesses.
#pragma once

#include "quiz/QuizModel.h"
#include "results/WorkingWindow.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RandomSource;

class Form2 final : public WorkingWindow {
    Q_OBJECT

public:
    Form2(WorkingWindowServices services, RandomSource& random);
    ~Form2() override;

    const QuizModel& Quiz() const { return quiz_; }
    QuizModel& Quiz() { return quiz_; }

    void Form_Load();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();

private:
    void BuildControls();
    // Runs one of the quiz's operations under the handler's trap, then shows the new state.
    void RunQuiz(const QString& handler, void (QuizModel::*operation)(ErrorTrap&));
    // Puts the model's boxes and navigation state on the screen.
    void ShowState();

    RandomSource& random_;
    QuizModel quiz_;
    QGroupBox* Frame1;
    QPlainTextEdit* Text1;
    QPushButton* PushButton2;
    QPushButton* PushButton1;
    QGroupBox* Frame3;
    QLineEdit* Text3;
    QPushButton* PushButton4;
    QPushButton* PushButton3;
    QGroupBox* Frame2;
    QLineEdit* Text2;
    QGroupBox* Frame4;
    QCheckBox* Check1;
    QPushButton* PushButton5;
    QPushButton* PushButton13;
};
