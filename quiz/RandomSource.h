// Uniform random numbers for the quiz's draw.
#pragma once

#include <QtGlobal>

#include <random>

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A fresh uniform value in [0, 1).
    virtual double Next() = 0;
};

// Mixes the time of day into the generator's state on every draw, so draws differ between runs,
// and two draws in one clock tick still differ.
class TimeSeededRandom final : public RandomSource {
public:
    double Next() override;

private:
    std::mt19937_64 engine_{std::random_device{}()};
};

// The same sequence from the same seed: for checks that must not depend on chance.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(quint64 seed) : engine_(seed) {}
    double Next() override { return std::generate_canonical<double, 53>(engine_); }

private:
    std::mt19937_64 engine_;
};

// base + floor(r * span) for a fresh r from the source.
double Random(RandomSource& source, qint32 base, qint32 span);
