// Generated riddle files for the benchmarks, made once and kept between runs.
#pragma once

#include <QString>

// The path of a generated file of `count` riddles in the benchmark data folder, made on first
// use. The same seed every time, so runs compare like with like.
QString GeneratedRiddleFile(qint64 count);
