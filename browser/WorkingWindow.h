// What the quiz and browser windows share: the result list, the window pointer, the error trap
// with the window's name, the hand cursor, removing rows and closing.
#pragma once

#include "app/ErrorReport.h"
#include "app/WindowPointer.h"
#include "app/WorkingWindowServices.h"
#include "browser/ResultList.h"

#include <QWidget>

class ResultListView;

class WorkingWindow : public QWidget {
    Q_OBJECT

public:
    ~WorkingWindow() override;

    WindowPointer& Pointer() { return pointer_; }
    ResultList& List() { return list_; }

    // Shows the main window again and discards this one; never refused.
    void Form_QueryUnload();
    // Removes the selected row, unless the window is busy.
    void ListView1_DblClick();

protected:
    WorkingWindow(const QString& name, WorkingWindowServices services);

    ErrorTrap Trap(const QString& handler);
    // Makes "HAND-M.CUR" beside the program the custom pointer, when the file is there.
    void LoadHandCursor();
    void closeEvent(QCloseEvent* event) override;

    WorkingWindowServices services_;
    WindowPointer pointer_;
    ResultList list_;
    ResultListView* ListView1;
};
