// One riddle as the riddle tool reads and writes it.
#pragma once

#include <QString>

#include <optional>

struct RiddleRecord {
    qint64 id = 0;
    std::optional<QString> riddle;  // nullopt stands for a null value
    std::optional<QString> answer;
};
