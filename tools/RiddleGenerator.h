// Synthetic riddles for large test and benchmark files.
#pragma once

#include "store/RiddleRecord.h"

#include <random>

class RiddleGenerator final {
public:
    explicit RiddleGenerator(quint64 seed) : random_(seed) {}

    // The riddle with the given id. The same seed gives the same riddles in the same order.
    RiddleRecord Next(qint64 id);

private:
    size_t Below(size_t bound) { return static_cast<size_t>(random_() % bound); }
    QString Line();
    QString Answer();

    std::mt19937_64 random_;
};
