// The browser's answer visibility: the button's caption, the two column widths, the setting.
#pragma once

#include "kit/ErrorReport.h"
#include "kit/Settings.h"

#include <QString>

inline const QString HideAnswersKey = QStringLiteral("Hide Answers");

struct AnswerLayout {
    QString caption;   // names what a press of the button will do
    int riddlesWidth;  // twips
    int answersWidth;  // twips
    QString setting;   // the stored "Hide Answers"
};

inline AnswerLayout AnswerLayoutFor(bool answersShown) {
    if (answersShown) {
        return {QStringLiteral("Hide Answers"), 5000, 3000, QStringLiteral("0")};
    }
    return {QStringLiteral("Show Answers"), 8000, 1, QStringLiteral("1")};
}

inline bool AnswersShownByCaption(const QString& caption) {
    return caption == AnswerLayoutFor(true).caption;
}

// The setting as the load of all riddles reads it, once for every row. The same text reads as
// the same number, so it is read as a number only when it changes; a text that is no number is
// reported once, under the step that reads it, and the rest of the load brings no answers.
class RowAnswerSetting final {
public:
    template <typename ReadStored>
    bool AnswerShown(ErrorTrap& trap, int step, ReadStored&& readStored) {
        readable_ = readable_ && trap.Step(step, [&] {
            if (const QString text = readStored(); lastText_.isNull() || text != lastText_) {
                hidden_ = SettingAsNumber(HideAnswersKey, text);
                lastText_ = text;
            }
        });
        return readable_ && hidden_ == 0;
    }

private:
    bool readable_ = true;
    QString lastText_;
    double hidden_ = 1;
};
