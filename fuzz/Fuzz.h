// What every fuzz target shares: its entry point, and a check that stops the run loudly when a
// property does not hold, so that the fuzzer keeps the input.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

inline QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

inline void Require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

// Rows of riddles, read again after being written back, must be the ones first read.
template <typename Row>
void RequireSameRows(const std::vector<Row>& first, const std::vector<Row>& again) {
    Require(again.size() == first.size(), "as many rows read back as were written");
    for (size_t i = 0; i < first.size(); ++i) {
        Require(again[i].id == first[i].id && again[i].riddle == first[i].riddle &&
                    again[i].answer == first[i].answer,
                "each row reads back the same");
    }
}
