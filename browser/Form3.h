// The browser window: lists random or all riddles, hides and shows their answers.
#pragma once

#include "results/WorkingWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class Form3 final : public WorkingWindow {
    Q_OBJECT

public:
    explicit Form3(WorkingWindowServices services);
    ~Form3() override;

    void Form_Load();
    void PushButton1_Click();
    void PushButton3_Click();
    void PushButton5_Click();
    void PushButton4_Click();
    void Text1_Change();
    void ListView1_Click();

private:
    void BuildControls();
    void ShowTotal();
    void SaveSetting(const QString& key, const QString& value);
    QString GetSetting(const QString& key, const QString& defaultValue);

    QGroupBox* Frame1;
    QLineEdit* Text1;
    QPushButton* PushButton1;
    QPushButton* PushButton3;
    QPushButton* PushButton5;
    QLabel* Label1;
    QLabel* Label3;
    QPushButton* PushButton4;
    QPushButton* PushButton13;
    QLabel* Label2;
};
