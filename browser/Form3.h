// The browser window: lists random or all riddles, hides and shows their answers.
#pragma once

#include "app/ErrorReport.h"
#include "app/WindowPointer.h"
#include "app/WorkingWindow.h"
#include "browser/ResultList.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class ResultListView;

class Form3 final : public QWidget {
    Q_OBJECT

public:
    explicit Form3(WorkingWindowServices services);
    ~Form3() override;

    WindowPointer& Pointer() { return pointer_; }
    ResultList& List() { return list_; }

    void Form_Load();
    void Form_QueryUnload();
    void PushButton1_Click();
    void PushButton3_Click();
    void PushButton5_Click();
    void Text1_Change();
    void ListView1_Click();
    void ListView1_DblClick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ErrorTrap Trap(const QString& handler);
    void BuildControls();
    void ShowTotal();
    void SaveSetting(const QString& key, const QString& value);
    QString GetSetting(const QString& key, const QString& defaultValue);

    WorkingWindowServices services_;
    WindowPointer pointer_;
    ResultList list_;
    QGroupBox* Frame1;
    QLineEdit* Text1;
    QPushButton* PushButton1;
    QPushButton* PushButton3;
    QPushButton* PushButton5;
    ResultListView* ListView1;
    QLabel* Label1;
    QLabel* Label3;
    QPushButton* PushButton4;
    QPushButton* PushButton13;
    QLabel* Label2;
};
