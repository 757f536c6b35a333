// Reading a number from text as the user would write it.
#pragma once

#include <QString>

#include <optional>

// Blanks around, a sign, digits with optional grouping in threes, a decimal fraction and an
// exponent are all allowed; anything else, the empty text included, is no number.
std::optional<double> ReadAsNumber(const QString& text);
