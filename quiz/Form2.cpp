// The quiz window's controls; its handlers forward to the quiz model and show its state.
#include "quiz/Form2.h"

#include "app/ApplicationTitle.h"
#include "app/ProgramIcon.h"
#include "app/Twips.h"
#include "app/WindowAppearance.h"
#include "app/WindowFonts.h"
#include "app/WindowText.h"
#include "browser/ResultListView.h"
#include "quiz/RiddleDraw.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

Form2::Form2(WorkingWindowServices services, RandomSource& random)
    : WorkingWindow(QStringLiteral("Form2"), std::move(services)),
      random_(random),
      quiz_([this] { return LoadRandomRiddle(services_.RiddleConnection(), random_, pointer_); },
            list_, services_.messages) {
    BuildControls();
}

Form2::~Form2() = default;

void Form2::BuildControls() {
    setFixedSize(Twips(*this, 8040), Twips(*this, 8220));
    if (const QScreen* screen = this->screen()) {
        move(screen->availableGeometry().center() - rect().center());
    }

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

    PlaceInTwips(*Frame1, 120, 120, 7800, 2535);
    PlaceInTwips(*Text1, 240, 300, 7335, 1575);
    PlaceInTwips(*PushButton2, 240, 1965, 3600, 405);
    PlaceInTwips(*PushButton1, 3960, 1965, 3600, 405);
    PlaceInTwips(*Frame3, 120, 2760, 7800, 1400);
    PlaceInTwips(*Text3, 240, 300, 7320, 375);
    PlaceInTwips(*PushButton4, 240, 795, 3600, 405);
    PlaceInTwips(*PushButton3, 3960, 795, 3600, 405);
    PlaceInTwips(*Frame2, 120, 4240, 7800, 855);
    PlaceInTwips(*Text2, 240, 300, 6975, 375);
    PlaceInTwips(*Frame4, 120, 5160, 7800, 735);
    PlaceInTwips(*Check1, 240, 300, 1335, 255);
    PlaceInTwips(*ListView1, 120, 6000, 7800, 1575);
    PlaceInTwips(*PushButton5, 120, 7680, 3840, 405);
    PlaceInTwips(*PushButton13, 4080, 7680, 3840, 405);

    const std::pair<QWidget*, const char*> names[] = {
        {Frame1, "Frame1"},         {Text1, "Text1"},           {PushButton2, "PushButton2"},
        {PushButton1, "PushButton1"}, {Frame3, "Frame3"},        {Text3, "Text3"},
        {PushButton4, "PushButton4"}, {PushButton3, "PushButton3"}, {Frame2, "Frame2"},
        {Text2, "Text2"},           {Frame4, "Frame4"},         {Check1, "Check1"},
        {PushButton5, "PushButton5"}, {PushButton13, "PushButton13"}};
    for (const auto& [widget, name] : names) {
        widget->setObjectName(QString::fromLatin1(name));
    }
    for (QPushButton* button :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton13}) {
        button->setFont(ArialBold(ButtonPoints));
    }
    Text1->setReadOnly(true);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text2->setReadOnly(true);
    PushButton2->setEnabled(false);

    QWidget* const focusOrder[] = {Text1,     PushButton2, PushButton1, Text3,       PushButton4,
                                   Text2,     ListView1,   PushButton13, PushButton5, PushButton3,
                                   Check1};
    for (size_t i = 1; i < std::size(focusOrder); ++i) {
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }

    // Check1 has no rule: over it the pointer stays as the last rule left it.
    for (QWidget* control : std::initializer_list<QWidget*>{this, Frame1, Frame2, Frame3, Frame4,
                                                            Text1, Text2, Text3, ListView1}) {
        UsePointerRule(*control, pointer_, PointerRule::Default);
    }
    for (QPushButton* button :
         {PushButton1, PushButton2, PushButton3, PushButton4, PushButton5, PushButton13}) {
        UsePointerRule(*button, pointer_, PointerRule::Hand);
    }

    connect(Text3, &QLineEdit::textChanged, this, [this](const QString& text) { quiz_.guessBox = text; });
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
    quiz_.Open(trap);
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
    ErrorTrap trap = Trap(QStringLiteral("PushButton1_Click"));
    quiz_.Next(trap);
    ShowState();
}

void Form2::PushButton2_Click() {
    ErrorTrap trap = Trap(QStringLiteral("PushButton2_Click"));
    quiz_.Previous(trap);
    ShowState();
}

void Form2::PushButton3_Click() {
    ErrorTrap trap = Trap(QStringLiteral("PushButton3_Click"));
    quiz_.ShowAnswer(trap);
    ShowState();
}

void Form2::PushButton4_Click() {
    ErrorTrap trap = Trap(QStringLiteral("PushButton4_Click"));
    quiz_.Guess(trap);
    ShowState();
}

void Form2::PushButton5_Click() {
    SaveResultsAsText(QStringLiteral("PushButton5_Click"));
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
