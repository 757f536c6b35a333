// The quiz's random numbers.
#include "quiz/RandomSource.h"

#include <QTime>

#include <cmath>

double TimeSeededRandom::Next() {
    const quint64 timeOfDay = static_cast<quint64>(QTime::currentTime().msecsSinceStartOfDay());
    engine_.seed(engine_() ^ (timeOfDay * 0x9E3779B97F4A7C15ULL));
    return std::generate_canonical<double, 53>(engine_);
}

double Random(RandomSource& source, qint32 base, qint32 span) {
    return base + std::floor(source.Next() * span);
}
