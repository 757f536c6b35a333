// Reads the two query texts the riddle store answers and refuses every other text.
#pragma once

#include <QString>

struct RiddleQuery {
    enum class Kind { AllRiddles, RandomSelection };
    Kind kind = Kind::AllRiddles;
    int count = 0;  // rows wanted by a random selection, 1 to MaxSelection
};

inline constexpr int MaxSelection = 999999;

// The two query texts, as the windows send them.
inline const QString AllRiddlesQuery = QStringLiteral("select * from tblRiddles");
inline QString RandomSelectionQuery(const QString& countText) {
    return QStringLiteral("select top ") + countText +
           QStringLiteral(" * from tblRiddles ORDER BY Rnd([id])");
}

// Throws StoreError with a message that says what was wrong with the text.
RiddleQuery ParseRiddleQuery(const QString& sql);
