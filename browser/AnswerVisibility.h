// The browser's answer visibility: the button's caption, the two column widths, the setting.
#pragma once

#include <QString>

inline const QString HideAnswersKey = QStringLiteral("Hide Answers");
inline const QString CountKey = QStringLiteral("Text1");
inline const QString DefaultCount = QStringLiteral("50");

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
