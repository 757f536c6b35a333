// Every draw runs the query anew and counts the rows anew; nothing is kept between draws.
#include "quiz/RiddleDraw.h"

#include "kit/Seams.h"
#include "quiz/RandomSource.h"
#include "quiz/RecordString.h"
#include "results/RiddleText.h"
#include "store/QueryText.h"
#include "store/RecordSet.h"

#include <stdexcept>

QString LoadRandomRiddle(Connection& connection, RandomSource& random, PointerSetting& pointer) {
    const BusyPointer busy(pointer);
    RecordSet records;
    records.Open(AllRiddlesQuery, connection, RecordSet::CursorType::Static,
                 RecordSet::LockType::ReadOnly);
    QString record;
    if (!records.Eof()) {
        const auto count = static_cast<qint32>(records.RecordCount());
        // Every row, the first one included, is equally likely.
        records.Move(static_cast<qint32>(Random(random, 0, count)));
        const QVariant riddle = records.Fields(1).Value;
        if (riddle.isNull()) {
            throw std::runtime_error("The riddle drawn has no text.");
        }
        record =
            MakeRecordString(RiddleLines(riddle.toString()), records.Fields(2).Value.toString());
    }
    if (records.IsOpen()) {
        records.Close();
    }
    return record;
}
