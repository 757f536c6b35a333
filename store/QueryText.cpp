// The store understands exactly "select * from tblRiddles" and
// "select top N * from tblRiddles ORDER BY Rnd([id])"; N never becomes part of any SQL.
#include "store/QueryText.h"

#include "store/StoreError.h"

#include <QRegularExpression>

namespace {

const QRegularExpression& AllRiddlesPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*select\s+\*\s*from\s+tblRiddles\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QRegularExpression& RandomSelectionPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*select\s+top\s(.*?)\*\s*from\s+tblRiddles\s+order\s+by\s+)"
                       R"(rnd\s*\(\s*(?:\[\s*id\s*\]|id)\s*\)\s*;?\s*$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

const QRegularExpression& WholeNumberPattern() {
    static const QRegularExpression pattern(QStringLiteral(R"(^ *([0-9]+) *$)"));
    return pattern;
}

int ParseCount(const QString& text) {
    const auto refuse = [&text] {
        return StoreError(QStringLiteral("The number of riddles asked for, \"%1\", is not a whole "
                                         "number from 1 to %2.")
                              .arg(text.trimmed(), QString::number(MaxSelection)));
    };
    const QRegularExpressionMatch match = WholeNumberPattern().match(text);
    if (!match.hasMatch()) {
        throw refuse();
    }
    const QString digits = match.captured(1);
    // Compare by length first so that a long run of digits cannot overflow.
    QString significant = digits;
    significant.remove(QRegularExpression(QStringLiteral("^0+")));
    if (significant.isEmpty() || significant.size() > 6) {
        throw refuse();
    }
    return significant.toInt();
}

}  // namespace

RiddleQuery ParseRiddleQuery(const QString& sql) {
    if (AllRiddlesPattern().match(sql).hasMatch()) {
        return {RiddleQuery::Kind::AllRiddles, 0};
    }
    const QRegularExpressionMatch match = RandomSelectionPattern().match(sql);
    if (match.hasMatch()) {
        return {RiddleQuery::Kind::RandomSelection, ParseCount(match.captured(1))};
    }
    throw StoreError(
        QStringLiteral("The riddle store cannot run \"%1\": it answers only \"select * from "
                       "tblRiddles\" and \"select top N * from tblRiddles ORDER BY Rnd([id])\".")
            .arg(sql));
}
