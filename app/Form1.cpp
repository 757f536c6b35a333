// The main window and the start-up it runs before it is first shown.
#include "app/Form1.h"

#include "kit/ApplicationTitle.h"
#include "kit/ErrorReport.h"
#include "store/Connection.h"
#include "store/RiddleFile.h"
#include "ui/ProgramIcon.h"
#include "ui/WindowAppearance.h"
#include "ui/WindowFonts.h"
#include "ui/WindowLayout.h"

#include <QCloseEvent>
#include <QPushButton>

#include <stdexcept>

Form1::Form1(Services services)
    : services_(std::move(services)),
      pointer_(*this),
      PushButton1(new QPushButton(QStringLiteral("Answer Riddles One At A Time"), this)),
      PushButton2(new QPushButton(QStringLiteral("Show Quorvane"), this)) {
    setObjectName(QStringLiteral("Form1"));
    setAccessibleName(ProductName + QStringLiteral(": main window"));
    setAccessibleDescription(QStringLiteral("Opens the quiz or the riddle browser."));
    setFont(ArialBold(WindowPoints));
    setFixedSize(Twips(*this, 8040), Twips(*this, 1155));
    PlaceControls({{PushButton1, "PushButton1", 120, 120, 7800, 405},
                   {PushButton2, "PushButton2", 120, 630, 7800, 405}});
    for (QPushButton* button : {PushButton1, PushButton2}) {
        button->setFont(ArialBold(ButtonPoints));
    }
    UsePointerRules(pointer_, {this}, {PushButton1, PushButton2});
    connect(PushButton1, &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(PushButton2, &QPushButton::clicked, this, &Form1::PushButton2_Click);
}

Form1::~Form1() = default;

void Form1::SetWorkingWindows(WindowOpener openQuiz, WindowOpener openBrowser) {
    openQuiz_ = std::move(openQuiz);
    openBrowser_ = std::move(openBrowser);
}

bool Form1::Start() {
    Form_Load();
    if (!ended_) {
        show();
    }
    return !ended_;
}

// The report's line numbers are the numbers of the start-up's steps; step 3, building the
// cursor's path, happens inside step 4.
void Form1::Form_Load() {
    ErrorTrap trap(services_.messages, QStringLiteral("Form1"), QStringLiteral("Form_Load"));
    trap.Step(1, [&] { ApplySkin(*this, services_.files, SkinFramework1); });
    trap.Step(2, [&] { setWindowTitle(ProductName); });
    trap.Step(4, [&] { LoadHandCursor(services_.files, pointer_); });
    trap.Step(5, [&] { setWindowIcon(ProgramIcon()); });
    trap.Step(6, [&] { SetApplicationTitle(); });

    const QString riddleFile = services_.files.BesideProgram(RiddleFile::FileName);
    if (!Files::IsNormalFile(riddleFile)) {
        services_.messages.ShowMessage(riddleFile + QStringLiteral(" not found."));
        ended_ = true;
        services_.process.EndProgram();
        return;
    }
    trap.Step(7, [&] { riddleConnection_ = std::make_unique<Connection>(); });
    // Each step that needs the connection reports its own failure when it was never made, and
    // start-up goes on, as after any failed step.
    const auto connection = [this]() -> Connection& {
        if (!riddleConnection_) {
            throw std::runtime_error("The connection to the riddle file was never made.");
        }
        return *riddleConnection_;
    };
    trap.Step(8, [&] {
        if (connection().IsOpen()) {
            connection().Close();
        }
    });
    trap.Step(9, [&] { connection().Open(RiddleFile::ConnectionString(riddleFile)); });
}

void Form1::Form_Unload() {
    services_.process.EndProgram();
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void Form1::PushButton1_Click() {
    OpenWorkingWindow(QStringLiteral("PushButton1_Click"), openQuiz_);
}

void Form1::PushButton2_Click() {
    OpenWorkingWindow(QStringLiteral("PushButton2_Click"), openBrowser_);
}

void Form1::OpenWorkingWindow(const QString& handler, const WindowOpener& open) {
    ErrorTrap trap(services_.messages, QStringLiteral("Form1"), handler);
    trap.Step(1, open);
    trap.Step(2, [this] { hide(); });
}
