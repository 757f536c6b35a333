// The quiz window's controls; its handlers forward to the quiz model and show its state.
#include "quiz/Form2.h"

#include "kit/ApplicationTitle.h"
#include "quiz/RecordString.h"
#include "quiz/RiddleDraw.h"
#include "results/ResultListView.h"
#include "ui/ProgramIcon.h"
#include "ui/WindowAppearance.h"
#include "ui/WindowFonts.h"
#include "ui/WindowLayout.h"
#include "ui/WindowText.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

Form2::Form2(WorkingWindowServices services, RandomSource& random)
    : WorkingWindow(QStringLiteral("Form2"), std::move(services)),
      random_(random),
      quiz_([this] { return LoadRandomRiddle(services_.RiddleConnection(), random_, pointer_); },
            list_, services_.messages) {
    BuildControls();
}

Form2::~Form2() = default;

void Form2::BuildControls() {
    FixClientSizeInTwips(*this, 8040, 8220);
    setAccessibleName(ProductName + QStringLiteral(": quiz"));
    setAccessibleDescription(
        QStringLiteral("Shows one riddle at a time, judges your guesses and counts them."));

    Frame1 = new QGroupBox(QStringLiteral("Riddle"), this);
    Text1 = new QPlainTextEdit(Frame1);
    PushButton2 = new QPushButton(QStringLiteral("Previous Riddle"), Frame1);
    PushButton1 = new QPushButton(QStringLiteral("Next Riddle"), Frame1);
    Frame3 = new QGroupBox(QStringLiteral("Guess Answer"), this);
    Text3 = new QLineEdit(Frame3);
    PushButton4 = new QPushButton(QStringLiteral("Guess"), Frame3);
    PushButton3 = new QPushButton(QStringLiteral("Show Answer"), Frame3);
    Frame2 = new QGroupBox(QStringLiteral("Answer"), this);
    Text2 = new QLineEdit(Frame2);
    Frame4 = new QGroupBox(QStringLiteral("Score Option"), this);
    Check1 = new QCheckBox(QStringLiteral("Keep score"), Frame4);
    PushButton5 = new QPushButton(QStringLiteral("Save Results As Text"), this);
    PushButton13 = new QPushButton(QStringLiteral("Send Results To Excel"), this);

    PlaceControls({{Frame1, "Frame1", 120, 120, 7800, 2535},
                   {Text1, "Text1", 240, 300, 7335, 1575},
                   {PushButton2, "PushButton2", 240, 1965, 3600, 405},
                   {PushButton1, "PushButton1", 3960, 1965, 3600, 405},
                   {Frame3, "Frame3", 120, 2760, 7800, 1400},
                   {Text3, "Text3", 240, 300, 7320, 375},
                   {PushButton4, "PushButton4", 240, 795, 3600, 405},
                   {PushButton3, "PushButton3", 3960, 795, 3600, 405},
                   {Frame2, "Frame2", 120, 4240, 7800, 855},
                   {Text2, "Text2", 240, 300, 6975, 375},
                   {Frame4, "Frame4", 120, 5160, 7800, 735},
                   {Check1, "Check1", 240, 300, 1335, 255},
                   {ListView1, "ListView1", 120, 6000, 7800, 1575},
                   {PushButton5, "PushButton5", 120, 7680, 3840, 405},
                   {PushButton13, "PushButton13", 4080, 7680, 3840, 405}});
    for (QPushButton* button :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton13}) {
        button->setFont(ArialBold(ButtonPoints));
    }
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ReadWholeText(*Text1);
    Text2->setReadOnly(true);
    PushButton2->setEnabled(false);
    ListView1->setAccessibleName(QStringLiteral("Results"));
    ListView1->setAccessibleDescription(QStringLiteral(
        "The riddles you were shown, with your guesses and correct guesses. Space ticks a row "
        "for saving or sending."));
    // A row's text is its record: the riddle, a separator and the answer, which the column cuts
    // off on screen. A screen reader reads the riddle alone, and so gives nothing away.
    list_.SetAccessibleText(RecordRiddle);

    ChainTabOrder({Text1, PushButton2, PushButton1, Text3, PushButton4, Text2, ListView1,
                   PushButton13, PushButton5, PushButton3, Check1});

    // Check1 has no rule: over it the pointer stays as the last rule left it.
    UsePointerRules(
        pointer_, {this, Frame1, Frame2, Frame3, Frame4, Text1, Text2, Text3, ListView1},
        {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton13});

    connect(Text3, &QLineEdit::textChanged, this,
            [this](const QString& text) { quiz_.guessBox = text; });
    connect(Text3, &QLineEdit::returnPressed, PushButton4, &QPushButton::click);
    connect(PushButton1, &QPushButton::clicked, this, &Form2::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form2::PushButton2_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form2::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form2::PushButton4_Click);
    connect(PushButton5, &QPushButton::clicked, this, &Form2::PushButton5_Click);
    connect(PushButton13, &QPushButton::clicked, this, &Form2::PushButton13_Click);
}

void Form2::Form_Load() {
    ErrorTrap trap = Trap(QStringLiteral("Form_Load"));
    trap.Step(1, [&] {
        ApplySystemColors(*this);
        setWindowIcon(ProgramIcon());
        setWindowTitle(ProductName);
    });
    trap.Step(2, [&] { LoadHandCursor(services_.files, pointer_); });
    quiz_.Open(trap);  // steps 3 and 4 run in QuizModel::Open
    trap.Step(5, [&] {
        list_.AddColumn(QStringLiteral("Riddles"));
        list_.AddColumn(QStringLiteral("How many guesses"));
        list_.AddColumn(QStringLiteral("How many correct"));
        list_.SetColumnWidth(1, 3000);
        list_.SetColumnWidth(2, 2100);
        list_.SetColumnWidth(3, 2100);
    });
    ShowState();
}

void Form2::PushButton1_Click() {
    RunQuiz(QStringLiteral("PushButton1_Click"), &QuizModel::Next);
    announcer_->Announce(Text1->toPlainText());
}

void Form2::PushButton2_Click() {
    RunQuiz(QStringLiteral("PushButton2_Click"), &QuizModel::Previous);
    announcer_->Announce(Text1->toPlainText());
}

void Form2::PushButton3_Click() {
    RunQuiz(QStringLiteral("PushButton3_Click"), &QuizModel::ShowAnswer);
    announcer_->Announce(Text2->text());
}

void Form2::PushButton4_Click() {
    RunQuiz(QStringLiteral("PushButton4_Click"), &QuizModel::Guess);
}

void Form2::PushButton5_Click() {
    SaveResultsAsText(QStringLiteral("PushButton5_Click"));
}

void Form2::RunQuiz(const QString& handler, void (QuizModel::*operation)(ErrorTrap&)) {
    ErrorTrap trap = Trap(handler);
    (quiz_.*operation)(trap);  // the handler's steps run in QuizModel
    ShowState();
}

void Form2::ShowState() {
    const QString riddle = ForDisplay(quiz_.riddleBox);
    if (Text1->toPlainText() != riddle) {
        Text1->setPlainText(riddle);
    }
    Text2->setText(quiz_.answerBox);
    if (Text3->text() != quiz_.guessBox) {
        Text3->setText(quiz_.guessBox);
    }
    PushButton2->setEnabled(quiz_.canGoBack);
}
