// The browser window: its controls, and handlers that read as the steps they perform.
#include "browser/Form3.h"

#include "browser/AnswerVisibility.h"
#include "browser/BrowserLoading.h"
#include "kit/ApplicationTitle.h"
#include "kit/Settings.h"
#include "results/ResultListView.h"
#include "results/RiddleText.h"
#include "store/RecordSet.h"
#include "ui/Accessibility.h"
#include "ui/ProgramIcon.h"
#include "ui/WindowAppearance.h"
#include "ui/WindowFonts.h"
#include "ui/WindowLayout.h"
#include "ui/WindowText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Form3::Form3(WorkingWindowServices services)
    : WorkingWindow(QStringLiteral("Form3"), std::move(services)) {
    BuildControls();
}

Form3::~Form3() = default;

void Form3::BuildControls() {
    FixClientSizeInTwips(*this, 8760, 6300);
    setAccessibleName(ProductName + QStringLiteral(": riddle browser"));
    setAccessibleDescription(
        QStringLiteral("Lists random riddles or all of them, with their answers shown or hidden."));

    Frame1 = new QGroupBox(QStringLiteral("Number Of Riddles To Display"), this);
    Text1 = new QLineEdit(Frame1);
    PushButton1 = new QPushButton(QStringLiteral("Start Displaying"), Frame1);
    PushButton3 = new QPushButton(QStringLiteral("Start Showing All Riddles"), this);
    PushButton5 = new QPushButton(this);
    Label1 = new QLabel(this);
    Label3 = new TextPanel(this);
    PushButton4 = new QPushButton(QStringLiteral("Save Results As Text"), this);
    PushButton13 = new QPushButton(QStringLiteral("Send Results To Excel"), this);
    Label2 = new QLabel(TotalText(0), this);

    PlaceControls({{Frame1, "Frame1", 120, 120, 8520, 1275},
                   {Text1, "Text1", 240, 300, 8040, 345},
                   {PushButton1, "PushButton1", 240, 720, 8040, 405},
                   {PushButton3, "PushButton3", 120, 1500, 4200, 405},
                   {PushButton5, "PushButton5", 4440, 1500, 4200, 405},
                   {ListView1, "ListView1", 120, 2040, 8520, 1575},
                   {Label1, "Label1", 120, 3720, 8520, 1575},
                   {Label3, "Label3", 240, 3840, 8250, 1335},
                   {PushButton4, "PushButton4", 120, 5400, 4200, 405},
                   {PushButton13, "PushButton13", 4440, 5400, 4200, 405},
                   {Label2, "Label2", 120, 5910, 8520, 285}});
    for (QPushButton* button : {PushButton1, PushButton3, PushButton5, PushButton4, PushButton13}) {
        button->setFont(ArialBold(ButtonPoints));
    }
    Label1->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label2->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Label2->setAlignment(Qt::AlignCenter);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3->setWordWrap(true);
    Label3->setTextFormat(Qt::PlainText);
    Label3->raise();
    HideFromScreenReaders(*Label1);  // the panel's white backing
    Label3->setAccessibleName(QStringLiteral("Selected riddle"));
    Label2->setAccessibleDescription(QStringLiteral("How many riddles the last load listed."));
    ListView1->setAccessibleName(QStringLiteral("Riddles"));
    ListView1->setAccessibleDescription(QStringLiteral(
        "Arrow keys choose a riddle, shown whole below; Space ticks a row for saving or sending."));

    ChainTabOrder(
        {Text1, ListView1, PushButton3, PushButton13, PushButton4, PushButton5, PushButton1});
    Text1->setFocus();

    UsePointerRules(pointer_, {this, Frame1, Text1, Label1, Label2, Label3, ListView1},
                    {PushButton1, PushButton3, PushButton4, PushButton5, PushButton13});

    connect(Text1, &QLineEdit::textChanged, this,
            [this] { RunWithoutTrap([this] { Text1_Change(); }); });
    connect(Text1, &QLineEdit::returnPressed, PushButton1, &QPushButton::click);
    connect(PushButton1, &QPushButton::clicked, this, &Form3::PushButton1_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form3::PushButton3_Click);
    connect(PushButton5, &QPushButton::clicked, this, &Form3::PushButton5_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form3::PushButton4_Click);
    connect(PushButton13, &QPushButton::clicked, this, &Form3::PushButton13_Click);
    connect(ListView1, &QAbstractItemView::clicked, this,
            [this] { RunWithoutTrap([this] { ListView1_Click(); }); });
    // The keyboard's way to the panel: a row chosen by a key shows as a clicked one does.
    connect(ListView1, &ResultListView::RowChosenByKey, this,
            [this] { RunWithoutTrap([this] { ListView1_Click(); }); });
}

QString Form3::GetSetting(const QString& key, const QString& defaultValue) {
    return services_.settings.GetSetting(SettingsApplication, SettingsSection, key, defaultValue);
}

void Form3::SaveSetting(const QString& key, const QString& value) {
    services_.settings.SaveSetting(SettingsApplication, SettingsSection, key, value);
}

void Form3::Form_Load() {
    ErrorTrap trap = Trap(QStringLiteral("Form_Load"));
    trap.Step(1, [&] { ApplySystemColors(*this); });
    trap.Step(2, [&] { LoadHandCursor(services_.files, pointer_); });
    trap.Step(3, [&] {
        services_.settings.Refresh();  // another running copy may have changed them
        Text1->setText(GetSetting(CountKey, DefaultCount));
    });
    trap.Step(4, [&] {
        list_.AddColumn(QStringLiteral("Riddles"));
        list_.AddColumn(QStringLiteral("Answers"));
    });
    // A stored value that is no number is reported here once; the answers then start hidden.
    bool answersShown = false;
    trap.Step(5, [&] {
        answersShown =
            SettingAsNumber(HideAnswersKey, GetSetting(HideAnswersKey, QStringLiteral("1"))) == 0;
    });
    trap.Step(6, [&] {
        const AnswerLayout layout = AnswerLayoutFor(answersShown);
        PushButton5->setText(layout.caption);
        list_.SetColumnWidth(1, layout.riddlesWidth);
        list_.SetColumnWidth(2, layout.answersWidth);
    });
    trap.Step(7, [&] { setWindowTitle(ProductName); });
    trap.Step(8, [&] { setWindowIcon(ProgramIcon()); });
    trap.Step(9, [&] {
        for (QLabel* label : {Label1, Label2, Label3}) {
            UseSurfaceColor(*label, Qt::white);
        }
    });
}

void Form3::PushButton1_Click() {
    const QString count = Text1->text();
    if (const std::optional<QString> problem = CountProblem(count)) {
        services_.messages.ShowMessage(*problem);
        Text1->setFocus();
        return;
    }
    ErrorTrap trap = Trap(QStringLiteral("PushButton1_Click"));
    trap.Step(2, [&] { Label3->clear(); });
    trap.Step(3, [&] { pointer_.SetMousePointer(Pointer::Busy); });
    RecordSet records;
    const bool opened = trap.Step(4, [&] {
        records.Open(RandomSelectionQuery(count), services_.RiddleConnection(),
                     RecordSet::CursorType::Static, RecordSet::LockType::ReadOnly);
    });
    trap.Step(5, [&] { list_.Clear(); });
    if (opened) {
        trap.Step(6, [&] {
            AddRiddleRows(records, list_,
                          [&] { return AnswersShownByCaption(PushButton5->text()); });
        });
    }
    trap.Step(7, [&] {
        if (records.IsOpen()) {
            records.Close();
        }
    });
    trap.Step(8, [&] { ShowTotal(); });
    trap.Step(9, [&] { pointer_.SetMousePointer(Pointer::Default); });
}

void Form3::PushButton3_Click() {
    ErrorTrap trap = Trap(QStringLiteral("PushButton3_Click"));
    trap.Step(1, [&] { Label3->clear(); });
    trap.Step(2, [&] { pointer_.SetMousePointer(Pointer::Busy); });
    RecordSet records;
    const bool opened = trap.Step(3, [&] {
        records.Open(AllRiddlesQuery, services_.RiddleConnection(), RecordSet::CursorType::Static,
                     RecordSet::LockType::ReadOnly);
    });
    trap.Step(4, [&] { list_.Clear(); });
    if (opened) {
        RowAnswerSetting setting;  // read for every row, from the store's copy taken in here
        trap.Step(5, [&] {
            services_.settings.Refresh();
            AddRiddleRows(records, list_, [&] {
                return setting.AnswerShown(
                    trap, 5, [&] { return GetSetting(HideAnswersKey, QStringLiteral("0")); });
            });
        });
    }
    trap.Step(6, [&] {
        if (records.IsOpen()) {
            records.Close();
        }
    });
    trap.Step(7, [&] { ShowTotal(); });
    trap.Step(8, [&] { pointer_.SetMousePointer(Pointer::Default); });
}

void Form3::PushButton5_Click() {
    ErrorTrap trap = Trap(QStringLiteral("PushButton5_Click"));
    bool answersShown = false;
    trap.Step(1, [&] { answersShown = AnswersShownByCaption(PushButton5->text()); });
    const AnswerLayout layout = AnswerLayoutFor(!answersShown);
    trap.Step(2, [&] { PushButton5->setText(layout.caption); });
    trap.Step(3, [&] { list_.SetColumnWidth(1, layout.riddlesWidth); });
    trap.Step(4, [&] { list_.SetColumnWidth(2, layout.answersWidth); });
    trap.Step(5, [&] { SaveSetting(HideAnswersKey, layout.setting); });
    announcer_->Announce(PushButton5->text());
}

void Form3::PushButton4_Click() {
    SaveResultsAsText(QStringLiteral("PushButton4_Click"));
}

void Form3::Text1_Change() {
    SaveSetting(CountKey, Text1->text());
}

void Form3::ListView1_Click() {
    const int row = ListView1->SelectedRow();
    if (row != 0) {
        Label3->setText(ForDisplay(RiddleLines(list_.Text(row))));
    }
}

void Form3::ShowTotal() {
    Label2->setText(TotalText(list_.Count()));
    announcer_->Announce(Label2->text());
}
