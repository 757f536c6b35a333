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
    // Rows read before a failure still reach the list: the batch ends, and hands them over,
    // on the way out.
    ResultList::Batch batch(list);
    while (!records.Eof()) {
        const QString riddle = TrimBlanks(records.Fields(1).Value.toString());
        batch.Add(riddle, withAnswer()
                              ? std::optional(TrimBlanks(records.Fields(2).Value.toString()))
                              : std::nullopt);
        records.MoveNext();
    }
}
