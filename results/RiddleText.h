// How stored riddle texts become lines: a run of two blanks stands for a line break.
#pragma once

#include <QString>

// Removes leading and trailing blanks (U+0020 only; tabs and line breaks stay).
QString TrimBlanks(const QString& text);

// Splits at every two blanks, trims each piece, drops empty pieces and joins the rest with CR LF.
QString RiddleLines(const QString& text);
