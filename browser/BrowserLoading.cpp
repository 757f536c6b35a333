// The count box accepts what reads as a number; the store decides what it can answer.
#include "browser/BrowserLoading.h"

#include "kit/NumberText.h"

#include "results/ResultList.h"
#include "results/RiddleText.h"
#include "store/RecordSet.h"

std::optional<QString> CountProblem(const QString& countText) {
    if (TrimBlanks(countText).isEmpty()) {
        return QStringLiteral("You forgot to input number of riddles to display.");
    }
    const std::optional<double> count = ReadAsNumber(countText);
    if (!count) {
        return QStringLiteral("Must be a numeric entry.");
    }
    if (*count >= 1000000) {
        return QStringLiteral("Number must be less than 1 million");
    }
    return std::nullopt;
}

QString TotalText(int rows) {
    return QStringLiteral("Total Riddle(s): ") + QString::number(rows);
}

void AddRiddleRows(RecordSet& records, ResultList& list, const std::function<bool()>& withAnswer) {
    while (!records.Eof()) {
        const int row = list.AddRow(TrimBlanks(records.Fields(1).Value.toString()));
        if (withAnswer()) {
            list.SetSubItem(row, 1, TrimBlanks(records.Fields(2).Value.toString()));
        }
        records.MoveNext();
    }
}
