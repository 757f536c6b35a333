// The main window: start-up, and the two buttons that open the working windows.
#pragma once

#include "kit/Files.h"
#include "ui/Accessibility.h"
#include "ui/SkinFramework.h"
#include "ui/WindowPointer.h"

#include <QWidget>

#include <functional>
#include <memory>

class Connection;
class Messages;
class ProcessControl;
class QPushButton;

class Form1 final : public FrameWindow {
    Q_OBJECT

public:
    struct Services {
        Messages& messages;
        ProcessControl& process;
        Files files;
    };
    // Shows a working window, creating it first when it does not exist yet.
    using WindowOpener = std::function<void()>;

    explicit Form1(Services services);
    ~Form1() override;

    void SetWorkingWindows(WindowOpener openQuiz, WindowOpener openBrowser);

    // Runs the start-up and shows the window, unless the start-up ended the program; returns
    // whether the program goes on.
    bool Start();

    // The program's one connection to its riddle file; absent until the start-up creates it.
    Connection* RiddleConnection() const { return riddleConnection_.get(); }

    void Form_Load();
    void Form_Unload();
    void PushButton1_Click();
    void PushButton2_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OpenWorkingWindow(const QString& handler, const WindowOpener& open);

    Services services_;
    WindowPointer pointer_;
    SkinFramework SkinFramework1;
    QPushButton* PushButton1;
    QPushButton* PushButton2;
    WindowOpener openQuiz_;
    WindowOpener openBrowser_;
    std::unique_ptr<Connection> riddleConnection_;
    bool ended_ = false;
};
