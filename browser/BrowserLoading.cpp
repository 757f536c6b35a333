// The count box accepts what reads as a number; the store decides what it can answer.
#include "browser/BrowserLoading.h"

#include "browser/ResultList.h"
#include "browser/RiddleText.h"
#include "store/RecordSet.h"

#include <QRegularExpression>

std::optional<double> ReadAsNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral(
        R"(^\s*[+-]?(?:[0-9]{1,3}(?:,[0-9]{3})+|[0-9]+)?(?:\.[0-9]*)?(?:[eE][+-]?[0-9]+)?\s*$)"));
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    const QString trimmed = text.trimmed();
    // The mantissa needs a digit: a lone sign, point or exponent is not a number.
    const qsizetype exponent = trimmed.indexOf(QRegularExpression(QStringLiteral("[eE]")));
    if (!number.match(text).hasMatch() || !trimmed.left(exponent).contains(digit)) {
        return std::nullopt;
    }
    bool ok = false;
    const double value = QString(trimmed).remove(u',').toDouble(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

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

QString RandomSelectionQuery(const QString& countText) {
    return QStringLiteral("select top ") + countText +
           QStringLiteral(" * from tblRiddles ORDER BY Rnd([id])");
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
